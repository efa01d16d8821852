#include "shell/qt/QtDateien.h"

#include <QFile>

namespace vsk {

std::filesystem::path PfadAus(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString PfadText(const std::filesystem::path& pfad) {
    return QFile::decodeName(pfad.c_str());
}

} // namespace vsk
