#include "canvas/qt/Bilddatei.h"

#include "canvas/qt/EmfCanvas.h"
#include "canvas/qt/QtCanvas.h"
#include "shell/Dateischreiber.h"
#include "shell/qt/QtDateien.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace vsk {

namespace {

// Without a drawing of its own the vector picture is empty, of the bitmap's size.
Vektorzeichnung Zeichnung(const QImage& bitmap, const Vektorzeichnung& vektor) {
    if (vektor.breite > 0 && vektor.hoehe > 0) {
        return vektor;
    }
    return {bitmap.width(), bitmap.height(), vektor.zeichne, vektor.bilder, vektor.dpi};
}

std::optional<QByteArray> Kodiert(const QImage& bitmap, const char* format) {
    if (bitmap.isNull()) {
        return std::nullopt;
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    // JPEG with the writer's default quality; BMP without an alpha channel.
    const QImage bild =
        bitmap.hasAlphaChannel() ? bitmap.convertToFormat(QImage::Format_RGB32) : bitmap;
    if (!bild.save(&puffer, format)) {
        return std::nullopt;
    }
    return daten;
}

QString Schreiben(const std::filesystem::path& datei, const QByteArray& daten) {
    const Schreibergebnis e = SchreibeDatei(datei, Bytes(daten));
    if (e) {
        return {};
    }
    const QString name = PfadText(datei);
    if (e.fehler == Schreibfehler::Schreibgeschuetzt) {
        return QCoreApplication::translate("Bildexport", "The file \"%1\" is write-protected.")
            .arg(name);
    }
    return QCoreApplication::translate("Bildexport", "The file \"%1\" cannot be written: %2")
        .arg(name, QString::fromStdString(e.Grund()));
}

} // namespace

QString BildEndung(Bildtyp typ) {
    switch (typ) {
    case Bildtyp::Emf:
        return QStringLiteral("emf");
    case Bildtyp::Bmp:
        return QStringLiteral("bmp");
    case Bildtyp::Jpeg:
        return QStringLiteral("jpg");
    case Bildtyp::Svg:
        return QStringLiteral("svg");
    case Bildtyp::Png:
        return QStringLiteral("png");
    }
    return QStringLiteral("emf");
}

std::optional<Bildtyp> BildtypZurEndung(const QString& endung) {
    QString e = endung.toLower();
    if (e.startsWith(QLatin1Char('.'))) {
        e.remove(0, 1);
    }
    for (Bildtyp t : {Bildtyp::Emf, Bildtyp::Bmp, Bildtyp::Jpeg, Bildtyp::Svg, Bildtyp::Png}) {
        if (e == BildEndung(t)) {
            return t;
        }
    }
    return std::nullopt;
}

QStringList BildexportFilter() {
    return {QCoreApplication::translate("Bildexport", "export in Metafile Format") +
                QStringLiteral(" (*.emf)"),
            QCoreApplication::translate("Bildexport", "Export in Bitmap Format") +
                QStringLiteral(" (*.bmp)"),
            QCoreApplication::translate("Bildexport", "Export in JPeg Format") +
                QStringLiteral(" (*.jpg)"),
            QCoreApplication::translate("Bildexport", "Export in SVG Format") +
                QStringLiteral(" (*.svg)")};
}

Bildtyp BildtypZumFilter(const QString& filter) {
    const QStringList filter4 = BildexportFilter();
    const Bildtyp typen[] = {Bildtyp::Emf, Bildtyp::Bmp, Bildtyp::Jpeg, Bildtyp::Svg};
    for (int i = 0; i < filter4.size(); ++i) {
        if (filter == filter4[i]) {
            return typen[i];
        }
    }
    return Bildtyp::Emf;
}

QString BildexportTitel() {
    return QCoreApplication::translate("Bildexport",
                                       "Tervo - VSK / VSKQ Shear Connectors - Export results");
}

std::filesystem::path MitBildEndung(const std::filesystem::path& datei, Bildtyp typ) {
    std::string name = datei.filename().string();
    const std::size_t punkt = name.rfind('.');
    const std::string endung = BildEndung(typ).toStdString();
    if (punkt != std::string::npos) {
        if (QString::fromStdString(name.substr(punkt + 1)).toLower().toStdString() == endung) {
            return datei;
        }
        name = name.substr(0, punkt + 1) + endung;
    } else {
        name += "." + endung;
    }
    return datei.parent_path() / name;
}

std::optional<QByteArray> AlsEmf(const Vektorzeichnung& vektor) {
    EmfCanvas c(vektor.breite, vektor.hoehe, vektor.dpi);
    if (!c.Offen()) {
        return std::nullopt;
    }
    c.SetzeBildQuelle(vektor.bilder);
    if (vektor.zeichne) {
        vektor.zeichne(c);
    }
    return c.Abschliessen();
}

QByteArray AlsSvg(const Vektorzeichnung& vektor) {
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(QSize(vektor.breite, vektor.hoehe));
    svg.setViewBox(QRect(0, 0, vektor.breite, vektor.hoehe));
    svg.setResolution(vektor.dpi);
    svg.setTitle(QStringLiteral("VSK"));
    {
        QtCanvas c(svg, vektor.dpi, vektor.dpi);
        c.SetzeBildQuelle(vektor.bilder);
        if (vektor.zeichne) {
            vektor.zeichne(c);
        }
    }
    return daten;
}

QImage AlsBitmap(const Vektorzeichnung& vektor) {
    QImage bild(std::max(1, vektor.breite), std::max(1, vektor.hoehe), QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780); // 96 dpi
    bild.setDotsPerMeterY(3780);
    bild.fill(Qt::white);
    if (vektor.zeichne) {
        QtCanvas c(bild, 96, 96);
        c.SetzeBildQuelle(vektor.bilder);
        vektor.zeichne(c);
    }
    return bild;
}

Bildergebnis BildSpeichern(const QImage& bitmap, const Vektorzeichnung& vektor,
                           const std::filesystem::path& datei, Bildtyp typ) {
    Bildergebnis e;
    e.datei = MitBildEndung(datei, typ);
    std::optional<QByteArray> daten;
    const Vektorzeichnung z = Zeichnung(bitmap, vektor);
    switch (typ) {
    case Bildtyp::Emf:
        daten = AlsEmf(z);
        break;
    case Bildtyp::Svg:
        daten = AlsSvg(z);
        break;
    case Bildtyp::Bmp:
        daten = Kodiert(bitmap, "BMP");
        break;
    case Bildtyp::Jpeg:
        daten = Kodiert(bitmap, "JPEG");
        break;
    case Bildtyp::Png:
        daten = Kodiert(bitmap, "PNG");
        break;
    }
    if (!daten || daten->isEmpty()) {
        e.fehler =
            QCoreApplication::translate("Bildexport", "The picture for \"%1\" could not be made.")
                .arg(PfadText(e.datei));
        return e;
    }
    e.fehler = Schreiben(e.datei, *daten);
    e.ok = e.fehler.isEmpty();
    return e;
}

std::unique_ptr<QMimeData> Zwischenablagedaten(const QImage& bitmap,
                                               const Vektorzeichnung& vektor) {
    auto daten = std::make_unique<QMimeData>();
    daten->setImageData(bitmap);
    if (vektor.zeichne) {
        daten->setData(QStringLiteral("image/svg+xml"), AlsSvg(vektor));
    }
    return daten;
}

void BildInZwischenablage(const QImage& bitmap, const Vektorzeichnung& vektor) {
    if (QClipboard* ablage = QGuiApplication::clipboard()) {
        ablage->setMimeData(Zwischenablagedaten(bitmap, vektor).release());
    }
}

} // namespace vsk
