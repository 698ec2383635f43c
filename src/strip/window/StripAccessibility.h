#pragma once

// Screen readers meet the strip's drawn controls as what they are: the strip
// is a frame named by its title; each picture img1..img360 is a push button
// "Button N, table T: hint" described by its hint on one line, whose press action
// clicks it and whose show-menu action opens the button menu on it; the door
// and the hide bar are push buttons "Exit" and "Hide" with a press action,
// the move handle a grip "Move handle". Installs the accessibility factory once.
namespace stripaccessibility {
void install();
} // namespace stripaccessibility
