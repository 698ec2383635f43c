// A folder's logic library never sees a widget header.
#include <QPushButton>
