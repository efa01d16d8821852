#pragma once
// What a PDF file gets beyond Qt's PDF writer: the author in the document information and
// an outline (bookmarks) to the pages. Added with libqpdf to the finished document in
// memory, before the file is written.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

struct PdfLesezeichen {
    std::string titel;
    int seite = 1; // from 1
};

struct PdfDokumentinfo {
    std::string titel; // replaces the writer's title when not empty
    std::string autor;
    std::vector<PdfLesezeichen> gliederung; // in page order, one level
};

bool IstLeer(const PdfDokumentinfo& info);

// The document with the information and the outline; empty, with the reason in fehler,
// when the document cannot be read or written. A bookmark to a page the document does
// not have is left out.
std::optional<std::string> PdfErgaenzen(std::string_view pdf, const PdfDokumentinfo& info,
                                        std::string& fehler);

} // namespace vsk
