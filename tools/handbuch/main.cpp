// vsk-handbuch: builds the manual "VSK Manual.pdf" from the help pages, in the order of
// their contents page. Run at build time: vsk-handbuch HELP_DIR OUTPUT.pdf

#include "shell/qt/Hilfeindex.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <iostream>

namespace {

QString Rumpf(const QString& html) {
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::DotMatchesEverythingOption |
                                             QRegularExpression::CaseInsensitiveOption);
    const auto m = body.match(html);
    QString rumpf = m.hasMatch() ? m.captured(1) : html;
    // The way back to the contents is for the screen only.
    rumpf.remove(QStringLiteral("<p><a href=\"inhalt.html\">Contents</a></p>"));
    // Links between pages mean nothing on paper; their texts stay.
    static const QRegularExpression verweis(QStringLiteral("<a\\s+href=\"[^\"]*\"[^>]*>(.*?)</a>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    rumpf.replace(verweis, QStringLiteral("\\1"));
    return rumpf;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "Usage: vsk-handbuch HELP_DIR OUTPUT.pdf\n";
        return 2;
    }
    const QString verzeichnis = QString::fromLocal8Bit(argv[1]);
    const QString ziel = QString::fromLocal8Bit(argv[2]);
    const vsk::THilfeindex index(verzeichnis);
    if (!index.Vorhanden()) {
        std::cerr << "vsk-handbuch: no help pages in " << argv[1] << '\n';
        return 1;
    }

    QString html = QStringLiteral(
        "<html><body>"
        "<p style=\"margin-top: 180px; text-align: center; font-size: 30pt; font-weight: bold; "
        "color: #0b2a5b;\">VSK / VSKQ Shear Connectors</p>"
        "<p style=\"text-align: center; font-size: 18pt;\">Manual</p>"
        "<p style=\"text-align: center; font-size: 11pt;\">Version 2.0.3</p>");
    for (const vsk::THilfeseite& seite : index.Seiten()) {
        if (seite.datei == QLatin1String(vsk::THilfeindex::Benutzungsseite)) {
            continue; // how to use the help viewer: not for paper
        }
        QFile f(QDir(verzeichnis).filePath(seite.datei));
        if (!f.open(QIODevice::ReadOnly)) {
            std::cerr << "vsk-handbuch: cannot read " << seite.datei.toStdString() << '\n';
            return 1;
        }
        html += QStringLiteral("<div style=\"page-break-before: always;\">") +
                Rumpf(QString::fromUtf8(f.readAll())) + QStringLiteral("</div>");
    }
    html += QStringLiteral("</body></html>");

    QPdfWriter pdf(ziel);
    pdf.setTitle(QStringLiteral("VSK Manual"));
    pdf.setCreator(QStringLiteral("VSK 2.0.3"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    QTextDocument dokument;
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(10.5);
    dokument.setDefaultFont(schrift);
    dokument.setDefaultStyleSheet(
        QStringLiteral("h1 { color: #0b2a5b; font-size: 20pt; } h2 { color: #0b2a5b; "
                       "font-size: 14pt; } h3 { font-size: 11.5pt; } td, th { padding: 3px; }"));
    dokument.setHtml(html);
    dokument.print(&pdf);
    if (!QFile::exists(ziel)) {
        std::cerr << "vsk-handbuch: could not write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
