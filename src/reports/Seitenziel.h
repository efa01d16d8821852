#pragma once
// Where report pages are drawn: the printer (a page device), a preview picture (a bitmap
// that can grow) or anything else (one endless page, no paging).

#include "canvas/Canvas.h"
#include "reports/Druckzustand.h"

#include <string>

namespace vsk {

// A page device: the current printer, or a PDF file laid out like a printer page.
// Device coordinates start at the printable area's top-left corner.
class Drucker {
public:
    virtual ~Drucker() = default;

    virtual Druckergeometrie Geometrie() const = 0;
    // Starts a document; the canvas is valid from here to EndDoc. Returns false when the
    // device cannot be opened (the implementation has told the user why).
    virtual bool BeginDoc(const std::string& titel) = 0;
    virtual void NewPage() = 0;
    // Returns false when the document could not be finished (written, spooled).
    virtual bool EndDoc() = 0;
    virtual Canvas& Leinwand() = 0;
    // The page's clipping rectangle in device pixels.
    virtual Rechteck SeitenClip() const = 0;
    // Marks the current page in the document's outline (a bookmark of a PDF file);
    // devices without an outline ignore it.
    virtual void Gliederungseintrag(const std::string& titel) { (void)titel; }
};

// A preview picture: a white page bitmap shown in a scrollable area of a window.
class Vorschaubild {
public:
    virtual ~Vorschaubild() = default;

    virtual Canvas& Leinwand() = 0;
    // Pixels per inch of the screen the picture is shown on.
    virtual int BildschirmDpi() const = 0;
    // Pixels per inch the page is drawn at: the screen's, or more or less for a zoomed
    // preview. Sizes the page and its fonts; pictures sized in screen pixels scale with it.
    virtual int Aufloesung() const { return BildschirmDpi(); }
    // Picture and bitmap get the size; the content is not kept.
    virtual void SetzeGroesse(int breite, int hoehe) = 0;
    // Picture and bitmap get taller by the given pixels; the content is kept.
    virtual void Wachse(int pixel) = 0;
    virtual int Breite() const = 0;
    virtual int Hoehe() const = 0;
    // The picture's clipping rectangle (the bitmap) in pixels.
    virtual Rechteck Clip() const = 0;

    // Placement in the scrollable parent.
    virtual int ElternBreite() const = 0;
    virtual int Links() const = 0;
    virtual int Oben() const = 0;
    virtual void SetzeLage(int links, int oben) = 0;
    virtual void Zeige(bool sichtbar) = 0;
    // Shows the new content.
    virtual void Neuzeichnen() = 0;
};

// The target of the schedule content: at most one of the two is set.
struct Seitenziel {
    Drucker* drucker = nullptr;
    Vorschaubild* bild = nullptr;
};

} // namespace vsk
