#pragma once
// The file dialogs of the main window's commands behind an interface, so that the window
// can be driven without a real dialog (tests put their own in its place).

#include "canvas/qt/Bilddatei.h"

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace vsk {

// The picture file chosen in the export dialog and the file type chosen there.
struct TBildwahl {
    QString datei;
    Bildtyp typ = Bildtyp::Emf;
};

class TDateidialoge {
public:
    virtual ~TDateidialoge() = default;
    // The project file to open; empty when cancelled.
    virtual QString Oeffnen(QWidget* eltern) = 0;
    // The project file to save to, proposing vorschlag (an existing file is confirmed);
    // empty when cancelled.
    virtual QString SpeichernUnter(QWidget* eltern, const QString& vorschlag) = 0;
    // The PDF file of the report, proposing vorschlag; empty when cancelled.
    virtual QString PdfDatei(QWidget* eltern, const QString& vorschlag) = 0;
    // The IFC model file, proposing vorschlag (an existing file is confirmed); empty when
    // cancelled.
    virtual QString IfcDatei(QWidget* eltern, const QString& vorschlag) = 0;
    // The picture export dialog in ordner, its file type preset to typ; nothing when
    // cancelled. An existing file of the returned name is confirmed; the extension rule
    // is the caller's.
    virtual std::optional<TBildwahl> BildDatei(QWidget* eltern, Bildtyp typ,
                                               const QString& ordner) = 0;
};

// The platform's dialogs (Qt's, native where available).
std::unique_ptr<TDateidialoge> QtDateidialoge();

} // namespace vsk
