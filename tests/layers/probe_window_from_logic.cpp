// A folder's logic never sees its own window.
#include "strip/window/TForm1.h"
