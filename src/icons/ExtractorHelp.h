#pragma once
#include "context/Prompts.h"

// The icon extractor's help items, 1 to 4: Open File, Save Current, Save
// All and Folder, each a box with a question icon and OK.
namespace extractorhelp {

Prompts::Box box(int number);

} // namespace extractorhelp
