#pragma once

class ShownSettings;
class StripView;
struct AppContext;

// The strip's start-up steps after the window's own (the hide cursor, the
// hint routing), in order: a first run's copy of a shipped control file, the
// stored settings (position, hide mode, the three colours, the window style,
// the table names) and the default button hints. A conversion failure ends
// the steps where it happens (the caller shows it); the strip is still shown.
void runFormCreate(StripView& view, AppContext& context, ShownSettings& settings);

// A first run's control file of empty entries, written once the strip shows:
// until then the missing file reads as those same empty entries. Whether the
// first start asks for the extensive help.
bool writeFirstRunFile(AppContext& context);

// Gives every button picture the empty-button hint.
void setDefaultHints(StripView& view);
