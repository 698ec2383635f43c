#pragma once

// Screen readers meet the strip's drawn controls as what they are: each
// picture img1..img360 is a push button "Button N" described by its target's
// hint, whose press action clicks it; the move handle, the door and the hide
// bar have names. Installs the accessibility factory once.
namespace stripaccessibility {
void install();
} // namespace stripaccessibility
