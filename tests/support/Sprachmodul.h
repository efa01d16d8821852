#pragma once
// Compiles a tiny language module for tests: translations given as (context, source,
// translation), written as a Qt .ts file and compiled with lrelease into ziel.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

namespace vsk::test {

struct Uebersetzung {
    const char* kontext;
    const char* quelle;
    const char* text;
};

inline QString XmlText(const char* s) {
    return QString::fromUtf8(s).toHtmlEscaped();
}

// Returns false when the module could not be built.
inline bool BaueSprachmodul(const std::filesystem::path& ziel, const char* sprache,
                            const std::vector<Uebersetzung>& uebersetzungen) {
    const QString ts = QFile::decodeName(ziel.c_str()) + QStringLiteral(".ts");
    {
        QFile f(ts);
        if (!f.open(QIODevice::WriteOnly)) {
            return false;
        }
        QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                     "<TS version=\"2.1\" language=\"%1\">\n")
                          .arg(QString::fromLatin1(sprache));
        for (const Uebersetzung& u : uebersetzungen) {
            xml += QStringLiteral("<context><name>%1</name><message><source>%2</source>"
                                  "<translation>%3</translation></message></context>\n")
                       .arg(XmlText(u.kontext), XmlText(u.quelle), XmlText(u.text));
        }
        xml += QStringLiteral("</TS>\n");
        f.write(xml.toUtf8());
    }
    QProcess lrelease;
    lrelease.start(
        QStringLiteral(VSK_LRELEASE),
        {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), QFile::decodeName(ziel.c_str())});
    const bool ok = lrelease.waitForFinished(30000) && lrelease.exitCode() == 0;
    QFile::remove(ts);
    return ok && std::filesystem::exists(ziel);
}

} // namespace vsk::test
