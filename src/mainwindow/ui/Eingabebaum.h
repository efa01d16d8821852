#pragma once
// The input tree tvMain: a navigation tree that duplicates the menu. Nodes are found by
// their text, so every change locates its node by comparing texts.

#include <QStringList>
#include <QTreeWidget>

namespace vsk {

class TEingabebaum final : public QTreeWidget {
    Q_OBJECT
public:
    // Leaves that run a command.
    enum class Knoten {
        Neu,
        Oeffnen,
        Speichern,
        SpeichernUnter,
        Druckereinrichtung,
        Projektbericht,
        Projektverwaltung,
        PositionHinzufuegen,
        PositionLoeschen,
        Systemeingabe,
        Projektdaten,
        StuecklisteAnzeigen,
        StuecklisteHinzufuegen,
        Bemessung,
        Bildschirmfarben,
        Inhalt,
        Suchen,
        HilfeBenutzen,
        Info,
        Handbuch,
        Beenden,
    };

    explicit TEingabebaum(QWidget* parent = nullptr);

    // The node text of a leaf, in the current language.
    static QString Text(Knoten knoten);
    static QString ProjektPraefix();         // "Project: "
    static QString AktuellePositionenText(); // "Current Positions"

    // Builds the whole tree; the project node and the "Input" node are expanded.
    void BaueEingabebaum(const QString& projektText, const QStringList& positionen);
    // The project node's text := "Project: " + text.
    void SetzeProjektText(const QString& text);
    // Text of child nummer (from 1) of "Current Positions"; nothing when it is missing.
    void SetzePositionText(int nummer, const QString& text);
    // Replaces all children of "Current Positions" and expands it.
    void BaueAktuellePositionen(const QStringList& positionen);
    // Appends a child to "Current Positions" and selects it.
    void FuegePositionHinzu(const QString& name);
    // "System Input" present iff vorschau, "Add to Connector Schedule" iff ergebnisse.
    void SetzeModus(bool ergebnisse, bool vorschau);

    QTreeWidgetItem* FindeWurzel(const QString& text) const;
    QTreeWidgetItem* AktuellePositionen() const;
    QTreeWidgetItem* ProjektKnoten() const;

signals:
    void befehl(TEingabebaum::Knoten knoten);
    // A child of "Current Positions" was clicked; nummer from 1.
    void positionGewaehlt(int nummer);

private:
    void Gedrueckt(QTreeWidgetItem* item);
    QTreeWidgetItem* NeuerKnoten(QTreeWidgetItem* eltern, const QString& text, const char* symbol);
    static QTreeWidgetItem* FindeKind(QTreeWidgetItem* eltern, const QString& text);
};

} // namespace vsk
