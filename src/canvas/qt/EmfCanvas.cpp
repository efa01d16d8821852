#include "canvas/qt/EmfCanvas.h"

#include "canvas/Symbolschrift.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <numbers>
#include <vector>

// The writer's headers bring Windows-style macros; they must not touch the names above.
#include <libEMF/emf.h>
#undef min
#undef max
#undef TextOut
#undef CreateFont

namespace vsk {

namespace {

// The writer's reference device: 1024 x 768 pixels on 320 x 240 mm.
constexpr double kReferenzPixelProMm = 1024.0 / 320.0;

// The writer records no bitmaps: StretchDraw leaves a pixel record with these marks, and
// Abschliessen puts the bitmap record in its place.
constexpr int kMarkeX = -30001;
constexpr COLORREF kMarkeFarbe = 0x00A1B2C3;
constexpr std::uint32_t kEmrSetPixelV = 15;
constexpr std::uint32_t kEmrStretchDiBits = 81;

void Schreibe32(QByteArray& b, qsizetype an, std::uint32_t wert) {
    for (int i = 0; i < 4; ++i) {
        b[an + i] = static_cast<char>((wert >> (8 * i)) & 0xFF);
    }
}

std::uint32_t Lies32(const QByteArray& b, qsizetype an) {
    std::uint32_t wert = 0;
    for (int i = 0; i < 4; ++i) {
        wert |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[an + i])) << (8 * i);
    }
    return wert;
}

// EMR_STRETCHDIBITS with a bottom-up 32-bit DIB of the picture, stretched into the box.
QByteArray DibRecord(const QImage& quelle, int l, int t, int w, int h) {
    // Transparent parts on white paper, as the page shows them.
    QImage weiss(quelle.size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    {
        QPainter maler(&weiss);
        maler.drawImage(0, 0, quelle);
    }
    const QImage bild = weiss.mirrored();
    const auto bits = static_cast<std::uint32_t>(bild.width() * bild.height() * 4);
    QByteArray r(static_cast<qsizetype>(120 + bits), '\0');
    const auto u = [](int v) { return static_cast<std::uint32_t>(v); };
    const std::uint32_t felder[] = {kEmrStretchDiBits,
                                    u(120) + bits,
                                    u(l),
                                    u(t),
                                    u(l + w - 1),
                                    u(t + h - 1),
                                    u(l),
                                    u(t),
                                    0,
                                    0,
                                    u(bild.width()),
                                    u(bild.height()),
                                    80,
                                    40,
                                    120,
                                    bits,
                                    0,
                                    0x00CC0020,
                                    u(w),
                                    u(h),
                                    40,
                                    u(bild.width()),
                                    u(bild.height())};
    for (std::size_t i = 0; i < std::size(felder); ++i) {
        Schreibe32(r, static_cast<qsizetype>(4 * i), felder[i]);
    }
    Schreibe32(r, 92, 1 | (32u << 16)); // planes, bits per pixel
    Schreibe32(r, 100, bits);
    for (int y = 0; y < bild.height(); ++y) {
        std::memcpy(r.data() + 120 + static_cast<qsizetype>(y) * bild.width() * 4,
                    bild.constScanLine(y), static_cast<std::size_t>(bild.width()) * 4);
    }
    return r;
}

int Gerundet(double wert) {
    return static_cast<int>(std::lround(wert));
}

bool IstSymbol(const std::string& name) {
    return QString::fromStdString(name).compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

// The text's UTF-16 code units. Symbol text keeps its code page (a "\xA3" byte and a
// UTF-8 "£" are both code 0xA3); the reader maps the font.
std::vector<WCHAR> Zeichen(const std::string& text) {
    QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (q.contains(QChar::ReplacementCharacter)) {
        q = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    std::vector<WCHAR> z;
    for (const QChar ch : q) {
        z.push_back(static_cast<WCHAR>(ch.unicode()));
    }
    return z;
}

} // namespace

struct EmfCanvas::Datei {
    QTemporaryDir ordner;
    QString pfad;
    HDC dc = 0;
    HPEN stift = 0;
    std::optional<Stift> stiftWert;
    HBRUSH pinsel = 0;
    std::optional<Farbe> pinselFarbe;
    HFONT schrift = 0;
    std::optional<Schrift> schriftWert;
    std::vector<QByteArray> bilder; // bitmap records in the order of their marks
};

EmfCanvas::EmfCanvas(int breite, int hoehe, int dpi)
    : breite_(std::max(1, breite)), hoehe_(std::max(1, hoehe)), dpi_(dpi > 0 ? dpi : 96),
      datei_(std::make_unique<Datei>()) {
    if (!datei_->ordner.isValid()) {
        return;
    }
    datei_->pfad = datei_->ordner.filePath(QStringLiteral("bild.emf"));
    const double mmB = breite_ * 25.4 / dpi_;
    const double mmH = hoehe_ * 25.4 / dpi_;
    // Frame in 0.01 mm: the whole picture, else readers clip it to the reference device.
    const RECT rahmen{0, 0, Gerundet(mmB * 100.0), Gerundet(mmH * 100.0)};
    const QByteArray name = QFile::encodeName(datei_->pfad);
    datei_->dc = CreateEnhMetaFileA(0, name.constData(), &rahmen, "VSK\0picture\0");
    if (datei_->dc == 0) {
        return;
    }
    SetMapMode(datei_->dc, MM_ANISOTROPIC);
    SetWindowOrgEx(datei_->dc, 0, 0, nullptr);
    SetWindowExtEx(datei_->dc, breite_, hoehe_, nullptr);
    SetViewportOrgEx(datei_->dc, 0, 0, nullptr);
    SetViewportExtEx(datei_->dc, Gerundet(mmB * kReferenzPixelProMm),
                     Gerundet(mmH * kReferenzPixelProMm), nullptr);
    SetBkMode(datei_->dc, TRANSPARENT);
    // Text is placed by its baseline: readers differ in where they put the top of a cell.
    SetTextAlign(datei_->dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
}

EmfCanvas::~EmfCanvas() {
    if (Offen()) {
        const HENHMETAFILE mf = CloseEnhMetaFile(datei_->dc);
        if (mf != 0) {
            DeleteEnhMetaFile(mf);
        }
    }
}

bool EmfCanvas::Offen() const {
    return datei_->dc != 0;
}

std::optional<QByteArray> EmfCanvas::Abschliessen() {
    if (!Offen()) {
        return std::nullopt;
    }
    Datei& d = *datei_;
    SelectObject(d.dc, GetStockObject(BLACK_PEN));
    SelectObject(d.dc, GetStockObject(WHITE_BRUSH));
    SelectObject(d.dc, GetStockObject(SYSTEM_FONT));
    for (HGDIOBJ h : {static_cast<HGDIOBJ>(d.stift), static_cast<HGDIOBJ>(d.pinsel),
                      static_cast<HGDIOBJ>(d.schrift)}) {
        if (h != 0) {
            DeleteObject(h);
        }
    }
    const HENHMETAFILE mf = CloseEnhMetaFile(d.dc);
    d.dc = 0;
    if (mf == 0) {
        return std::nullopt;
    }
    DeleteEnhMetaFile(mf);
    QFile f(d.pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray daten = f.readAll();
    // An EMF starts with its header record (type 1) and has " EMF" at offset 40.
    if (daten.size() < 88 || daten.mid(40, 4) != QByteArray(" EMF")) {
        return std::nullopt;
    }
    if (d.bilder.empty()) {
        return daten;
    }
    QByteArray ergebnis;
    qsizetype an = 0;
    while (an + 8 <= daten.size()) {
        const std::uint32_t typ = Lies32(daten, an);
        const std::uint32_t groesse = Lies32(daten, an + 4);
        if (groesse < 8 || an + groesse > daten.size()) {
            return std::nullopt;
        }
        const std::uint32_t nummer = typ == kEmrSetPixelV ? Lies32(daten, an + 12) : 0;
        if (typ == kEmrSetPixelV && groesse >= 20 &&
            static_cast<int>(Lies32(daten, an + 8)) == kMarkeX &&
            Lies32(daten, an + 16) == kMarkeFarbe && nummer < d.bilder.size()) {
            ergebnis += d.bilder[nummer];
        } else {
            ergebnis += daten.mid(an, groesse);
        }
        an += groesse;
    }
    Schreibe32(ergebnis, 48, static_cast<std::uint32_t>(ergebnis.size()));
    return ergebnis;
}

void EmfCanvas::StiftWaehlen(bool mitStift) {
    Datei& d = *datei_;
    if (!mitStift) {
        SelectObject(d.dc, GetStockObject(NULL_PEN));
        d.stiftWert.reset();
        return;
    }
    if (d.stiftWert == stift) {
        return;
    }
    const int breite = std::max(1, std::abs(stift.breite));
    const int art = stift.art == Stiftart::Gepunktet && breite == 1 ? PS_DOT : PS_SOLID;
    const HPEN neu = CreatePen(art, breite, stift.farbe);
    SelectObject(d.dc, neu);
    if (d.stift != 0) {
        DeleteObject(d.stift);
    }
    d.stift = neu;
    d.stiftWert = stift;
}

void EmfCanvas::PinselWaehlen(bool mitPinsel) {
    Datei& d = *datei_;
    if (!mitPinsel || pinsel.art == Pinselart::Leer) {
        SelectObject(d.dc, GetStockObject(NULL_BRUSH));
        d.pinselFarbe.reset();
        return;
    }
    if (d.pinselFarbe == pinsel.farbe) {
        return;
    }
    const HBRUSH neu = CreateSolidBrush(pinsel.farbe);
    SelectObject(d.dc, neu);
    if (d.pinsel != 0) {
        DeleteObject(d.pinsel);
    }
    d.pinsel = neu;
    d.pinselFarbe = pinsel.farbe;
}

void EmfCanvas::FillRect(const Rechteck& r) {
    if (!Offen() || pinsel.art == Pinselart::Leer || r.left == r.right || r.top == r.bottom) {
        return;
    }
    StiftWaehlen(false);
    PinselWaehlen(true);
    ::Rectangle(datei_->dc, std::min(r.left, r.right), std::min(r.top, r.bottom),
                std::max(r.left, r.right), std::max(r.top, r.bottom));
}

void EmfCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (!Offen() || x1 == x2 || y1 == y2) {
        return;
    }
    StiftWaehlen(true);
    PinselWaehlen(true);
    ::Rectangle(datei_->dc, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void EmfCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (!Offen() || x1 == x2 || y1 == y2) {
        return;
    }
    StiftWaehlen(true);
    PinselWaehlen(true);
    ::Ellipse(datei_->dc, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void EmfCanvas::RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) {
    if (!Offen() || x1 == x2 || y1 == y2) {
        return;
    }
    // The writer has no rounded rectangle: a polygon with quarter-ellipse corners.
    const double l = std::min(x1, x2), t = std::min(y1, y2);
    const double r = std::max(x1, x2) - 1, b = std::max(y1, y2) - 1;
    const double rx = std::min(std::abs(ew) / 2.0, (r - l) / 2.0);
    const double ry = std::min(std::abs(eh) / 2.0, (b - t) / 2.0);
    constexpr int kSchritte = 8;
    std::vector<POINT> punkte;
    const double mitte[4][2] = {
        {r - rx, t + ry}, {l + rx, t + ry}, {l + rx, b - ry}, {r - rx, b - ry}};
    for (int ecke = 0; ecke < 4; ++ecke) {
        for (int i = 0; i <= kSchritte; ++i) {
            const double w = (ecke * 90.0 + i * 90.0 / kSchritte) * std::numbers::pi / 180.0;
            punkte.push_back({Gerundet(mitte[ecke][0] + rx * std::cos(w)),
                              Gerundet(mitte[ecke][1] - ry * std::sin(w))});
        }
    }
    StiftWaehlen(true);
    PinselWaehlen(true);
    ::Polygon(datei_->dc, punkte.data(), static_cast<INT>(punkte.size()));
}

void EmfCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    if (!Offen() || x1 == x2 || y1 == y2) {
        return;
    }
    StiftWaehlen(true);
    ::Arc(datei_->dc, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), x3,
          y3, x4, y4);
}

void EmfCanvas::Linie(Punkt von, Punkt bis) {
    if (!Offen()) {
        return;
    }
    StiftWaehlen(true);
    ::MoveToEx(datei_->dc, von.x, von.y, nullptr);
    ::LineTo(datei_->dc, bis.x, bis.y);
}

QFont EmfCanvas::Messschrift() const {
    QFont f(QtSchriftname(schrift.name));
    f.setPixelSize(std::max(1, SchriftPixel(std::abs(schrift.groesse), dpi_)));
    f.setBold((schrift.stil & Fett) != 0);
    f.setItalic((schrift.stil & Kursiv) != 0);
    f.setUnderline((schrift.stil & Unterstrichen) != 0);
    f.setKerning(false);
    return f;
}

void EmfCanvas::TextOut(int x, int y, const std::string& text) {
    if (!Offen() || text.empty()) {
        return;
    }
    Datei& d = *datei_;
    const bool symbol = IstSymbol(schrift.name);
    if (d.schriftWert != schrift) {
        std::vector<WCHAR> name = Zeichen(symbol ? "Symbol" : schrift.name);
        name.resize(std::min<std::size_t>(name.size(), LF_FACESIZE - 1));
        name.push_back(0);
        const HFONT neu = ::CreateFontW(
            -std::max(1, SchriftPixel(std::abs(schrift.groesse), dpi_)), 0, schrift.winkel,
            schrift.winkel, (schrift.stil & Fett) != 0 ? FW_BOLD : FW_NORMAL,
            (schrift.stil & Kursiv) != 0, (schrift.stil & Unterstrichen) != 0, 0,
            symbol ? SYMBOL_CHARSET : ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
            DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, name.data());
        SelectObject(d.dc, neu);
        if (d.schrift != 0) {
            DeleteObject(d.schrift);
        }
        d.schrift = neu;
        d.schriftWert = schrift;
    }
    SetTextColor(d.dc, schrift.farbe);
    if (pinsel.art == Pinselart::Voll) {
        SetBkMode(d.dc, OPAQUE);
        SetBkColor(d.dc, pinsel.farbe);
    } else {
        SetBkMode(d.dc, TRANSPARENT);
    }
    // The advance of every character as the screen canvas measures it, so readers with
    // other font metrics still place the text as laid out.
    const QFontMetrics fm(Messschrift());
    const QString angezeigt = QString::fromStdString(symbol ? SymbolNachUnicode(text) : text);
    std::vector<WCHAR> zeichen = Zeichen(text);
    std::vector<INT> abstaende;
    if (static_cast<std::size_t>(angezeigt.size()) == zeichen.size()) {
        for (const QChar ch : angezeigt) {
            abstaende.push_back(fm.horizontalAdvance(ch));
        }
    }
    // The cell's top-left corner is (x, y); the baseline lies ascent below it, turned
    // with the text.
    const double winkel = schrift.winkel / 10.0 * std::numbers::pi / 180.0;
    const int bx = x + Gerundet(fm.ascent() * std::sin(winkel));
    const int by = y + Gerundet(fm.ascent() * std::cos(winkel));
    ExtTextOutW(d.dc, bx, by, 0, nullptr, zeichen.data(), static_cast<UINT>(zeichen.size()),
                abstaende.empty() ? nullptr : abstaende.data());
}

int EmfCanvas::TextWidth(const std::string& text) {
    const QFontMetrics fm(Messschrift());
    return fm.horizontalAdvance(
        QString::fromStdString(IstSymbol(schrift.name) ? SymbolNachUnicode(text) : text));
}

int EmfCanvas::TextHeight(const std::string&) {
    const QFontMetrics fm(Messschrift());
    return fm.height();
}

void EmfCanvas::StretchDraw(const Rechteck& r, const std::string& bildname) {
    if (!Offen() || !bilder_) {
        return;
    }
    const QImage quelle = bilder_(bildname);
    if (quelle.isNull() || r.left == r.right || r.top == r.bottom) {
        return;
    }
    // Bitmaps beyond twice the size drawn only make the file larger.
    const int w = std::abs(r.right - r.left);
    const int h = std::abs(r.bottom - r.top);
    QImage bild = quelle;
    if (bild.width() > 2 * w || bild.height() > 2 * h) {
        bild = quelle.scaled(2 * w, 2 * h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    Datei& d = *datei_;
    d.bilder.push_back(DibRecord(bild, std::min(r.left, r.right), std::min(r.top, r.bottom), w, h));
    SetPixel(d.dc, kMarkeX, static_cast<INT>(d.bilder.size() - 1), kMarkeFarbe);
}

} // namespace vsk
