// The base layer never sees a layer above it.
#include "graphics/Picture.h"
