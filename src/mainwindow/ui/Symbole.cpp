#include "mainwindow/ui/Symbole.h"

#include <QString>

namespace vsk {

QIcon Symbol(const char* name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)));
}

} // namespace vsk
