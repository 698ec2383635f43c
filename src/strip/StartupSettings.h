#pragma once

class TForm1;

// The strip's start-up steps, in order: first-run creation of the control
// file, the reset state, the hide cursor, the hint routing, the position,
// hide mode, the three colours, the window style, the table names and the
// default button hints. A conversion failure ends the steps where it
// happens (the caller shows it); the strip is still shown.
void runFormCreate(TForm1& form);

// Gives every button picture the empty-button hint.
void setDefaultHints(TForm1& form);
