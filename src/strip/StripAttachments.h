#pragma once

class TForm1;

// Creates the strip's attached behaviour (placement, buttons, menus, tools).
// Called once by TForm1's constructor after every control and the tables
// menu exist, before the start-up settings are applied. Each attachment is
// a QObject parented to the strip, so it lives as long as the strip.
void createStripAttachments(TForm1& form);
