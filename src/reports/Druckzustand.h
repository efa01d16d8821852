#pragma once
// Page layout in centimetres: the geometry of the current printer's page, the conversion
// from centimetres to device pixels and the line heights of the report fonts.

#include <cstdint>

namespace vsk {

class Canvas;

// What the printer reports about its page, in device pixels.
struct Druckergeometrie {
    int dpiX = 600;
    int dpiY = 600;
    int offX = 0;         // left edge of the printable area on the paper
    int offY = 0;         // top edge of the printable area on the paper
    int breite = 0;       // printable width (hr)
    int hoehe = 0;        // printable height (vr)
    int papierBreite = 0; // paper width (pw)
    int papierHoehe = 0;  // paper height (ph)
};

// An A4 page of a 600 dpi laser printer with the usual 100 pixel (4.2 mm) unprintable
// border on every side: the geometry used when no printer is configured.
Druckergeometrie StandardDruckergeometrie();

// Program-wide print state: valid after SeiteEinrichten and MasseEinrichten.
struct Druckzustand {
    // Printable width and height of the page, cm.
    double Wp = 0;
    double Hp = 0;
    // Margins in cm, measured from the printable area's edges.
    double ml = 0;
    double mt = 0;
    double mr = 0;
    double mb = 0;
    // Device pixels per inch used by CmX / CmY.
    int resX = 96;
    int resY = 96;
    // Pixels per inch of the screen (the unit of the pictures' own sizes).
    int bildschirmDpi = 96;
    // Text height of "Wy" in Arial at 14, 12, 11, 10, 9, 8 and 6 pt on the target canvas.
    int L14 = 0;
    int L12 = 0;
    int L11 = 0;
    int L10 = 0;
    int L9 = 0;
    int L8 = 0;
    int L6 = 0;
    // Where the page content starts below the frame, cm from the printable area's top.
    double inhaltOben = 1.0;

    // round(res * cm / 2.54), halves to even.
    int CmX(float cm) const;
    int CmY(float cm) const;
};

// Page geometry from the printer. Returns nothing for a printer target; for a preview
// picture the caller sizes the picture with BildGroesse afterwards.
void SeiteEinrichten(Druckzustand& zustand, const Druckergeometrie& drucker);

// Pixel size of a preview picture of the page at the screen's pixels per inch.
struct Bildgroesse {
    int breite = 0;
    int hoehe = 0;
};
Bildgroesse BildGroesse(const Druckzustand& zustand, int bildschirmDpi);

// Resolutions and line heights. On the screen res is the screen's pixels per inch and the
// line-width factor 1, on the printer the printer's resolution and 2. The canvas font is
// left as it was. Returns the line-width factor for the sketches.
int MasseEinrichten(Druckzustand& zustand, Canvas& canvas, bool bildschirm, int bildschirmDpi);

} // namespace vsk
