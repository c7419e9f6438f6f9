#include <QString>
#include <QtCore/QObject>
#include <QtWidgets>
#include <qglobal.h>
