#pragma once
// The input panel pnlEingaben: application case, reinforcement basis, concrete grade,
// joint width, geometry and loading of the current position. The fields only show the
// model; a field's text goes to the core's edit (model/Eingaben.h) when the field is left,
// and the panel shows what the edit changed.

#include "mainwindow/ui/ZahlenFeld.h"
#include "model/Eingaben.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QRadioButton;
class QToolButton;

namespace vsk {

class Programm;
struct TKTexttabellen;

class TEingabePanel final : public QWidget {
    Q_OBJECT
public:
    explicit TEingabePanel(Programm& programm, QWidget* parent = nullptr);

    // Fills the three option lists from the text tables.
    void FuelleListen(const TKTexttabellen& texte);

    // Shows every field of the current position (geometry, loads, selections, case and
    // load-case buttons) and lays the panel out for its case; ends in input mode.
    void Aktualisiere();

    // Calculation and Preview: a field the user edited may still hold a text that failed its
    // check and never reached the model (it lost the focus without being checked again:
    // hidden, disabled, or the window was deactivated by the message). The first such field
    // shows its message and takes the focus; false then.
    bool FelderGueltig();

    // The field of a model value, by its control name ("meditPlatteDicke").
    TZahlenFeld* Feld(const QString& name) const;
    TZahlenFeld* FeldFugenlaenge() const { return fugenlaenge_; }

signals:
    // An input changed: the window returns to input mode (SetAnzeigeModus (0)).
    void eingabeGeaendert();
    void skizzeNeu();
    void groesseNeu();
    // The panel was laid out for a case: the window shows or hides the connector-row sketch.
    void anwendungsfallGezeigt(int fall);
    // The "&Arbitrary" button: the arbitrary-load window is shown modally here.
    void beliebigeLastBearbeiten();

private:
    struct Zeile {
        std::vector<QWidget*> teile;
        void Zeige(bool sichtbar) const;
    };
    struct Geometriezeile {
        TZahlenFeld* feld;
        Geometriefeld art;
        Zeile zeile;
    };
    struct Lastfeld {
        TZahlenFeld* feld;
        Lastseite seite;
        Lastwert wert;
    };
    struct Lastspalte {
        std::array<TZahlenFeld*, 5> eingaben{}; // Gk, Gg, Qk, Gq, F1
        TZahlenFeld* summe = nullptr;
    };

    void BaueAnwendungsfaelle(QGridLayout* raster, int& zeile);
    void BaueAuswahlen(QGridLayout* raster, int& zeile);
    void BaueGeometrie(QGridLayout* raster, int& zeile);
    void BaueLasten(QGridLayout* raster, int& zeile);
    TZahlenFeld* NeuesFeld(const QString& name, Feldgrenzen grenzen, double leer,
                           const QString& null);
    TZahlenFeld* NeueSumme(const QString& name);
    QLabel* Ueberschrift(const QString& text);
    QLabel* Einheit(const QString& text) const;
    int FeldBreite() const;

    void ZeigeLast(const Lastspalte& spalte, Lastseite seite);
    void ZeigeLinienlasten();
    void ZeigeSummen();
    // The case and load-case buttons, rows and load columns of the current position.
    void ZeigeLayout();
    // What an edit changed.
    void Zeige(const Eingabefolgen& folgen);

    // A failed check's message, shown with the focus back in the field; false without one.
    bool Gemeldet(TZahlenFeld* feld, const std::optional<std::string>& meldung);
    void FeldVerlassen(TZahlenFeld* feld);
    void TextGeaendert(TZahlenFeld* feld);

    void AnwendungsfallGewaehlt(int tag);
    void LastfallGewaehlt(std::uint8_t fall);

    Programm& programm_;
    bool zurueck_ = false; // the program moves the focus back into a failed field
    bool aktualisiert_ = false;

    QButtonGroup* anwendungsfall_ = nullptr;
    QButtonGroup* bewehrungCalc_ = nullptr;
    std::array<QRadioButton*, 2> bewehrungKnoepfe_{};
    QComboBox* betonguete_ = nullptr;
    QComboBox* fugenbreite_ = nullptr;

    std::vector<Geometriezeile> geometrie_;
    TZahlenFeld* nutzhoehe_ = nullptr;
    TZahlenFeld* fugenlaenge_ = nullptr;
    Zeile zeileWand_, zeileRandRechts_, zeileRandLinks_, zeileFugenlaenge_;

    QLabel* lastKopf_ = nullptr;
    QWidget* lastfallLeiste_ = nullptr;
    QButtonGroup* lastfall_ = nullptr;
    std::array<QToolButton*, 4> lastfallKnoepfe_{};
    QWidget* punktlastTeil_ = nullptr;
    QWidget* linienlastTeil_ = nullptr;
    Lastspalte punkt_, links_, rechts_;
    std::vector<Lastfeld> lastfelder_;
};

} // namespace vsk
