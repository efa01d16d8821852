#pragma once
// The colour window: nine swatches for the colours of the sketches, each opening the
// colour chooser, with the two preset schemes. OK copies the swatches into the program's
// scheme; Cancel forgets them.

#include "shell/ui/DialogFenster.h"
#include "sketches/Farbschema.h"

#include <array>
#include <functional>
#include <optional>

class QPushButton;

namespace vsk {

class TfrmFarbeinstellung final : public TDialogFenster {
    Q_OBJECT
public:
    // The colour chooser: the colour confirmed by the user, or nothing when cancelled.
    using Farbwahl = std::function<std::optional<Farbe>(Farbe start, QWidget* parent)>;

    // farben: the program's scheme (not owned, lives for the whole run). Without a
    // chooser the platform's colour dialog is used.
    explicit TfrmFarbeinstellung(TKFarbe& farben, Farbwahl wahl = {}, QWidget* parent = nullptr);

    // Shows the window modally; Accepted when OK changed the scheme.
    int Zeige();
    // Sets every swatch to the scheme's colour (each time the window becomes active).
    void Aktivieren();

    // The scheme the swatches show now.
    TKFarbe Auswahl() const;
    void ZeigeSchema(const TKFarbe& schema);
    Farbe Feldfarbe(int feld) const { return farben_[static_cast<std::size_t>(feld)]; }

    // The swatches in the order of the scheme's fields: Hintergrund, BetonPen,
    // BetonBrush, PosB, PosD, DornPen, DornBrush, Bemassung, Brandschutz.
    std::array<QPushButton*, 9> Felder;
    QPushButton* BitBtnStandard;
    QPushButton* BitBtnGrau;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;

    void accept() override;

private:
    // The one click handler of all swatches.
    void stextBetonBrushClick(int feld);
    void Setze(int feld, Farbe farbe);

    TKFarbe& schema_;
    Farbwahl wahl_;
    std::array<Farbe, 9> farben_{};
};

} // namespace vsk
