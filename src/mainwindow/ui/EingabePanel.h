#pragma once
// The input panel pnlEingaben: application case, reinforcement basis, concrete grade,
// joint width, geometry and loading of the current position. The fields only show the
// model; a field's text reaches the model when the field is left and passes its check.

#include "mainwindow/ui/ZahlenFeld.h"

#include <QWidget>
#include <array>
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
class TKGeometrie;
class TKLast;
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
    void ZeigeAnwendungsfall(int fall);
    void ZeigeLastfall(int fall);

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
    // ZeigeAnwendungsfall ran for a case: the window shows or hides the connector-row sketch.
    void anwendungsfallGezeigt(int fall);
    // The "&Arbitrary" button: the arbitrary-load window is shown modally here.
    void beliebigeLastBearbeiten();

private:
    enum class Lastwert { Gk, Gg, Qk, Gq, F1 };
    enum class Lastseite { Punkt, Links, Rechts };

    struct Zeile {
        std::vector<QWidget*> teile;
        void Zeige(bool sichtbar) const;
    };
    struct Geometriefeld {
        TZahlenFeld* feld;
        double TKGeometrie::*wert;
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

    TKLast& Last(Lastseite seite);
    static double LeseLastwert(const TKLast& last, Lastwert wert);
    static void SetzeLastwert(TKLast& last, Lastwert wert, double v);
    void ZeigeLast(const Lastspalte& spalte, const TKLast& last);
    void ZeigeLinienlasten();

    // Field checks: true when the text passed and was stored.
    bool Pruefe(TZahlenFeld* feld);
    void FeldVerlassen(TZahlenFeld* feld);
    void GeometrieVerlassen(TZahlenFeld* feld);
    void LastVerlassen(const Lastfeld& lf);
    void TextGeaendert(TZahlenFeld* feld);

    void AnwendungsfallGewaehlt(int tag);
    void LastfallGewaehlt(int fall);
    void LastfallKonstant();
    void LastfallLinear();
    void LastfallBeliebig();

    Programm& programm_;
    bool zurueck_ = false; // the program moves the focus back into a failed field
    bool aktualisiert_ = false;

    QButtonGroup* anwendungsfall_ = nullptr;
    QButtonGroup* bewehrungCalc_ = nullptr;
    std::array<QRadioButton*, 2> bewehrungKnoepfe_{};
    QComboBox* betonguete_ = nullptr;
    QComboBox* fugenbreite_ = nullptr;

    std::vector<Geometriefeld> geometrie_;
    TZahlenFeld* plattendicke_ = nullptr;
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
