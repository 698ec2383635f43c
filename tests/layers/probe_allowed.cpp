// What the strip's logic may use: its own headers, the layers below, Qt Gui.
#include "core/ControlFile.h"
#include "graphics/Picture.h"
#include "strip/ButtonLauncher.h"
#include <QImage>
