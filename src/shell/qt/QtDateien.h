#pragma once
// Files between Qt and the core. The core's paths are the bytes the system uses (a folder
// name in Latin-1 stays Latin-1); Qt holds names as text, and the system's file-name
// encoding converts both ways without loss. Contents pass as bytes.

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <string_view>

namespace vsk {

std::filesystem::path PfadAus(const QString& name);
QString PfadText(const std::filesystem::path& pfad);

inline std::string_view Bytes(const QByteArray& daten) {
    return {daten.constData(), static_cast<std::size_t>(daten.size())};
}

} // namespace vsk
