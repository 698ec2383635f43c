// Nor through Qt's include root, which comes with Qt Core.
#include <QtWidgets/QWidget>
