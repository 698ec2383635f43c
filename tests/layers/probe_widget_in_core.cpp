// The base layer never sees a widget header.
#include <QWidget>
