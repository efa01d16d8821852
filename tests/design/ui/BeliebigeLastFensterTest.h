#pragma once

#include <QObject>

namespace vsk::test {

class BeliebigeLastFensterTest final : public QObject {
    Q_OBJECT
private slots:
    void AktivierenFuelltTabelleAusDenPunkten();
    void GleicherTextFragtNachUeberschreiben();
    void GleicheZahlAndererTextGibtZweiPunkte();
    void LoeschenDerEinzigenZeile();
    void PunkteInXReihenfolge();
    void AendernUndZeilenklick();
    void OhneGewaehlteZeileBleibtDieTabelle();
    void AbbrechenStelltPunkteWiederHer();
    void OkBehaeltPunkte();
    void FeldpruefungBeimVerlassenUndHinzufuegen();
    void KeineZahlInDerTabelleLaesstPunkte();
    void EnterSchaltetWeiter();
    void HilfeUndHinweise();
};

} // namespace vsk::test
