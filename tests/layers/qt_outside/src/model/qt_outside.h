// Qt outside src/qt.
#include <QString>
