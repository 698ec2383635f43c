#pragma once

class ShownSettings;
class StripView;
struct AppContext;

// The strip's start-up steps after the window's own (the hide cursor, the
// hint routing), in order: first-run creation of the control file, the
// stored settings (position, hide mode, the three colours, the window style, the
// table names) and the default button hints. A conversion failure ends the
// steps where it happens (the caller shows it); the strip is still shown.
// helpAtShow is set, before any step that can fail, to whether the first
// start asks for the extensive help once the strip is shown.
void runFormCreate(StripView& view, AppContext& context, ShownSettings& settings, bool& helpAtShow);

// Gives every button picture the empty-button hint.
void setDefaultHints(StripView& view);
