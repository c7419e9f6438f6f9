#  include <QtCore/QString>
