#pragma once
// Picture files and the clipboard: what the windows' "save picture" and "copy picture"
// commands and vsk-cli write. A picture is the bitmap as shown on the screen plus,
// optionally, a vector drawing of it; EMF and SVG files hold the drawing, BMP, JPEG and
// PNG files the bitmap. Files are written beside the target and renamed over it, so a
// failed export leaves an existing file as it was.

#include "canvas/Canvas.h"
#include "canvas/qt/QtCanvas.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMimeData;

namespace vsk {

// The dialog's file types in their order (1 to 3), SVG as the vector format of this
// platform, PNG for vsk-cli.
enum class Bildtyp { Emf = 1, Bmp = 2, Jpeg = 3, Svg = 4, Png = 5 };

// A vector drawing of breite x hoehe pixels; an empty function draws an empty picture.
struct Vektorzeichnung {
    int breite = 0;
    int hoehe = 0;
    std::function<void(Canvas&)> zeichne;
    BildQuelle bilder; // the named bitmaps it stretches, if any
    int dpi = 96;      // pixels per inch of the screen the drawing was laid out for
};

// "emf", "bmp", "jpg", "svg", "png"
QString BildEndung(Bildtyp typ);
// The type of a file extension (any case, with or without the dot); nothing when unknown.
std::optional<Bildtyp> BildtypZurEndung(const QString& endung);

// The save dialog's file types (EMF, BMP, JPEG, SVG in that order) as Qt name filters, and
// the type of the chosen filter (EMF when unknown).
QStringList BildexportFilter();
Bildtyp BildtypZumFilter(const QString& filter);
// "Tervo - VSK / VSKQ Shear Connectors - Export results"
QString BildexportTitel();

// The file name for the chosen type: an extension in the file-name part is replaced by the
// type's, a name without one gets it ("detail.emf" as BMP is "detail.bmp").
std::filesystem::path MitBildEndung(const std::filesystem::path& datei, Bildtyp typ);

struct Bildergebnis {
    bool ok = false;
    std::filesystem::path datei; // the file written (with the type's extension)
    QString fehler;              // why it failed, for the user
};

// Writes the picture as a file of the type, under MitBildEndung(datei, typ). EMF and SVG
// draw the vector drawing (without one: an empty picture of the bitmap's size).
Bildergebnis BildSpeichern(const QImage& bitmap, const Vektorzeichnung& vektor,
                           const std::filesystem::path& datei, Bildtyp typ);

// The drawing as EMF or SVG bytes; nothing when the picture could not be made.
std::optional<QByteArray> AlsEmf(const Vektorzeichnung& vektor);
QByteArray AlsSvg(const Vektorzeichnung& vektor);
// The drawing rendered into a white bitmap of its size (96 dpi).
QImage AlsBitmap(const Vektorzeichnung& vektor);

// The clipboard content: the bitmap, and the drawing as "image/svg+xml" beside it.
std::unique_ptr<QMimeData> Zwischenablagedaten(const QImage& bitmap, const Vektorzeichnung& vektor);
// Replaces the clipboard's content (needs a QGuiApplication).
void BildInZwischenablage(const QImage& bitmap, const Vektorzeichnung& vektor);

} // namespace vsk
