#include "mainwindow/ui/Eingabebaum.h"

#include "mainwindow/ui/Symbole.h"

#include <QHeaderView>
#include <array>
#include <utility>

namespace vsk {

namespace {
using K = TEingabebaum::Knoten;
constexpr std::array alleKnoten{
    K::Neu,
    K::Oeffnen,
    K::Speichern,
    K::SpeichernUnter,
    K::Druckereinrichtung,
    K::Projektbericht,
    K::Projektverwaltung,
    K::PositionHinzufuegen,
    K::PositionLoeschen,
    K::Systemeingabe,
    K::Projektdaten,
    K::StuecklisteAnzeigen,
    K::StuecklisteHinzufuegen,
    K::Bemessung,
    K::Bildschirmfarben,
    K::Inhalt,
    K::Suchen,
    K::HilfeBenutzen,
    K::Info,
    K::Handbuch,
    K::Beenden,
};
} // namespace

TEingabebaum::TEingabebaum(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("tvMain"));
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIndentation(14);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemPressed, this,
            [this](QTreeWidgetItem* item, int) { Gedrueckt(item); });
}

QString TEingabebaum::Text(Knoten knoten) {
    switch (knoten) {
    case K::Neu:
        return tr("New");
    case K::Oeffnen:
        return tr("Open");
    case K::Speichern:
        return tr("Save");
    case K::SpeichernUnter:
        return tr("Save As ...");
    case K::Druckereinrichtung:
        return tr("Printer Setup ...");
    case K::Projektbericht:
        return tr("Project Report as PDF ...");
    case K::Projektverwaltung:
        return tr("Project Administration");
    case K::PositionHinzufuegen:
        return tr("Add Position");
    case K::PositionLoeschen:
        return tr("Delete Current Position");
    case K::Systemeingabe:
        return tr("System Input");
    case K::Projektdaten:
        return tr("Project Data");
    case K::StuecklisteAnzeigen:
        return tr("Display Connector Schedule");
    case K::StuecklisteHinzufuegen:
        return tr("Add to Connector Schedule");
    case K::Bemessung:
        return tr("Calculation");
    case K::Bildschirmfarben:
        return tr("Screen Colours");
    case K::Inhalt:
        return tr("Contents");
    case K::Suchen:
        return tr("Search");
    case K::HilfeBenutzen:
        return tr("About Help");
    case K::Info:
        return tr("About Tervo Shear Connectors");
    case K::Handbuch:
        return tr("Tervo Shear Connectors Manual");
    case K::Beenden:
        return tr("End program");
    }
    return {};
}

QString TEingabebaum::ProjektPraefix() {
    return tr("Project: ");
}
QString TEingabebaum::AktuellePositionenText() {
    return tr("Current Positions");
}

QTreeWidgetItem* TEingabebaum::NeuerKnoten(QTreeWidgetItem* eltern, const QString& text,
                                           const char* symbol) {
    auto* item = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setIcon(0, Symbol(symbol));
    return item;
}

void TEingabebaum::BaueEingabebaum(const QString& projektText, const QStringList& positionen) {
    clear();
    QTreeWidgetItem* datei = NeuerKnoten(nullptr, tr("File"), "ordner");
    NeuerKnoten(datei, Text(K::Neu), "neu");
    NeuerKnoten(datei, Text(K::Oeffnen), "oeffnen");
    NeuerKnoten(datei, Text(K::Speichern), "speichern");
    NeuerKnoten(datei, Text(K::SpeichernUnter), "speichernunter");
    NeuerKnoten(datei, Text(K::Druckereinrichtung), "drucker");
    NeuerKnoten(datei, Text(K::Projektbericht), "drucken");
    NeuerKnoten(nullptr, Text(K::Projektverwaltung), "projektverwaltung");
    QTreeWidgetItem* projekt = NeuerKnoten(nullptr, ProjektPraefix() + projektText, "projekt");
    NeuerKnoten(projekt, Text(K::PositionHinzufuegen), "positionneu");
    NeuerKnoten(projekt, Text(K::PositionLoeschen), "positionloeschen");
    NeuerKnoten(projekt, AktuellePositionenText(), "ordner");
    BaueAktuellePositionen(positionen);
    QTreeWidgetItem* eingabe = NeuerKnoten(nullptr, tr("Input"), "ordner");
    NeuerKnoten(eingabe, Text(K::Projektdaten), "projektdaten");
    QTreeWidgetItem* stueckliste = NeuerKnoten(nullptr, tr("Connector Schedule"), "ordner");
    NeuerKnoten(stueckliste, Text(K::StuecklisteAnzeigen), "stueckliste");
    QTreeWidgetItem* optionen = NeuerKnoten(nullptr, tr("Options"), "ordner");
    NeuerKnoten(optionen, Text(K::Bemessung), "einstellungen");
    NeuerKnoten(optionen, Text(K::Bildschirmfarben), "farben");
    QTreeWidgetItem* hilfe = NeuerKnoten(nullptr, tr("Help"), "ordner");
    NeuerKnoten(hilfe, Text(K::Inhalt), "hilfe");
    NeuerKnoten(hilfe, Text(K::Suchen), "suchen");
    NeuerKnoten(hilfe, Text(K::HilfeBenutzen), "hilfe");
    NeuerKnoten(hilfe, Text(K::Info), "info");
    NeuerKnoten(hilfe, Text(K::Handbuch), "handbuch");
    NeuerKnoten(nullptr, Text(K::Beenden), "beenden");

    projekt->setExpanded(true);
    for (int i = 0; i < projekt->childCount(); ++i) {
        projekt->child(i)->setExpanded(true);
    }
    eingabe->setExpanded(true);
}

QTreeWidgetItem* TEingabebaum::FindeWurzel(const QString& text) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->text(0) == text) {
            return topLevelItem(i);
        }
    }
    return nullptr;
}

QTreeWidgetItem* TEingabebaum::FindeKind(QTreeWidgetItem* eltern, const QString& text) {
    if (!eltern) {
        return nullptr;
    }
    for (int i = 0; i < eltern->childCount(); ++i) {
        if (eltern->child(i)->text(0) == text) {
            return eltern->child(i);
        }
    }
    return nullptr;
}

QTreeWidgetItem* TEingabebaum::ProjektKnoten() const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->text(0).contains(ProjektPraefix())) {
            return topLevelItem(i);
        }
    }
    return nullptr;
}

QTreeWidgetItem* TEingabebaum::AktuellePositionen() const {
    return FindeKind(ProjektKnoten(), AktuellePositionenText());
}

void TEingabebaum::SetzeProjektText(const QString& text) {
    if (QTreeWidgetItem* projekt = ProjektKnoten()) {
        projekt->setText(0, ProjektPraefix() + text);
    }
}

void TEingabebaum::SetzePositionText(int nummer, const QString& text) {
    QTreeWidgetItem* positionen = AktuellePositionen();
    if (positionen && nummer >= 1 && nummer <= positionen->childCount()) {
        positionen->child(nummer - 1)->setText(0, text);
    }
}

void TEingabebaum::BaueAktuellePositionen(const QStringList& namen) {
    QTreeWidgetItem* positionen = AktuellePositionen();
    if (!positionen) {
        return;
    }
    qDeleteAll(positionen->takeChildren());
    for (const QString& name : namen) {
        NeuerKnoten(positionen, name, "position");
    }
    positionen->setExpanded(true);
}

void TEingabebaum::FuegePositionHinzu(const QString& name) {
    if (QTreeWidgetItem* positionen = AktuellePositionen()) {
        QTreeWidgetItem* neu = NeuerKnoten(positionen, name, "position");
        setCurrentItem(neu);
    }
}

void TEingabebaum::SetzeModus(bool ergebnisse, bool vorschau) {
    if (QTreeWidgetItem* eingabe = FindeWurzel(tr("Input"))) {
        QTreeWidgetItem* system = FindeKind(eingabe, Text(K::Systemeingabe));
        if (vorschau && !system) {
            auto* neu = new QTreeWidgetItem;
            neu->setText(0, Text(K::Systemeingabe));
            neu->setIcon(0, Symbol("systemeingabe"));
            eingabe->insertChild(0, neu);
        } else if (!vorschau && system) {
            delete system;
        }
    }
    if (QTreeWidgetItem* liste = FindeWurzel(tr("Connector Schedule"))) {
        QTreeWidgetItem* hinzu = FindeKind(liste, Text(K::StuecklisteHinzufuegen));
        if (ergebnisse && !hinzu) {
            NeuerKnoten(liste, Text(K::StuecklisteHinzufuegen), "stuecklisteneu");
        } else if (!ergebnisse && hinzu) {
            delete hinzu;
        }
    }
}

void TEingabebaum::Gedrueckt(QTreeWidgetItem* item) {
    if (!item || item->childCount() > 0) {
        return;
    }
    QTreeWidgetItem* positionen = AktuellePositionen();
    if (positionen && item->parent() == positionen) {
        emit positionGewaehlt(positionen->indexOfChild(item) + 1);
        return;
    }
    const QString text = item->text(0);
    for (Knoten k : alleKnoten) {
        if (text == Text(k)) {
            emit befehl(k);
            return;
        }
    }
}

} // namespace vsk
