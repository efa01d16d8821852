#include "reports/qt/PdfGliederung.h"

// Only qpdf's interface with standard smart pointers.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace vsk {

namespace {

using Objekt = QPDFObjectHandle;

Objekt Name(const char* name) {
    return Objekt::newName(name);
}

void SetzeGliederung(QPDF& pdf, const std::vector<PdfLesezeichen>& eintraege) {
    const std::vector<Objekt>& seiten = pdf.getAllPages();
    Objekt wurzel = pdf.makeIndirectObject(Objekt::newDictionary());
    wurzel.replaceKey("/Type", Name("/Outlines"));
    std::vector<Objekt> knoten;
    for (const PdfLesezeichen& e : eintraege) {
        if (e.seite < 1 || static_cast<std::size_t>(e.seite) > seiten.size()) {
            continue;
        }
        Objekt k = pdf.makeIndirectObject(Objekt::newDictionary());
        k.replaceKey("/Title", Objekt::newUnicodeString(e.titel));
        k.replaceKey("/Parent", wurzel);
        // The page from its top, at the reader's zoom.
        k.replaceKey("/Dest",
                     Objekt::newArray({seiten[static_cast<std::size_t>(e.seite - 1)], Name("/XYZ"),
                                       Objekt::newNull(), Objekt::newNull(), Objekt::newNull()}));
        if (!knoten.empty()) {
            k.replaceKey("/Prev", knoten.back());
            knoten.back().replaceKey("/Next", k);
        }
        knoten.push_back(k);
    }
    if (knoten.empty()) {
        return;
    }
    wurzel.replaceKey("/First", knoten.front());
    wurzel.replaceKey("/Last", knoten.back());
    wurzel.replaceKey("/Count", Objekt::newInteger(static_cast<long long>(knoten.size())));
    Objekt katalog = pdf.getRoot();
    katalog.replaceKey("/Outlines", wurzel);
    katalog.replaceKey("/PageMode", Name("/UseOutlines"));
}

void SetzeInfo(QPDF& pdf, const PdfDokumentinfo& info) {
    Objekt anhang = pdf.getTrailer();
    Objekt dokument = anhang.getKey("/Info");
    if (!dokument.isDictionary()) {
        dokument = pdf.makeIndirectObject(Objekt::newDictionary());
        anhang.replaceKey("/Info", dokument);
    }
    if (!info.titel.empty()) {
        dokument.replaceKey("/Title", Objekt::newUnicodeString(info.titel));
    }
    if (!info.autor.empty()) {
        dokument.replaceKey("/Author", Objekt::newUnicodeString(info.autor));
    }
}

} // namespace

bool IstLeer(const PdfDokumentinfo& info) {
    return info.titel.empty() && info.autor.empty() && info.gliederung.empty();
}

std::optional<std::string> PdfErgaenzen(std::string_view pdf, const PdfDokumentinfo& info,
                                        std::string& fehler) {
    try {
        QPDF dokument;
        dokument.setSuppressWarnings(true);
        dokument.processMemoryFile("report", pdf.data(), pdf.size());
        SetzeInfo(dokument, info);
        SetzeGliederung(dokument, info.gliederung);
        QPDFWriter schreiber(dokument);
        schreiber.setOutputMemory();
        schreiber.write();
        const std::shared_ptr<Buffer> puffer = schreiber.getBufferSharedPointer();
        return std::string(reinterpret_cast<const char*>(puffer->getBuffer()), puffer->getSize());
    } catch (const std::exception& e) {
        fehler = e.what();
        return std::nullopt;
    }
}

} // namespace vsk
