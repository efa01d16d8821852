#include "mainwindow/ui/Ergebnisliste.h"

#include "mainwindow/ui/Symbole.h"
#include "model/Ergebnisse.h"
#include "model/Meldungen.h"
#include "shell/Zahlen.h"

#include <QHeaderView>
#include <string>

namespace vsk {

namespace {
enum Spalte { SpDorn, SpAsx, SpAsy, SpVRd, SpEta, SpAnz, SpBemerkung, AnzSpalten };

// Each status code has its own state icon: "status_0" passed, "status_1" to "status_9" the
// failed check; a code outside the tables shows none.
QIcon Statussymbol(std::uint16_t status) {
    if (status >= Status::Anzahl) {
        return {};
    }
    const std::string name = "status_" + std::to_string(status);
    return Symbol(name.c_str());
}
} // namespace

TErgebnisliste::TErgebnisliste(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("lvLastErgebnis"));
    setColumnCount(AnzSpalten);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(SpDorn, QHeaderView::Fixed);
    header()->setSectionResizeMode(SpAnz, QHeaderView::Fixed);
    setColumnWidth(SpDorn, 90);
    setColumnWidth(SpAnz, 30);
    SetzeSpalten();
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* neu) {
        if (neu) {
            emit zeileGewaehlt(indexOfTopLevelItem(neu));
        }
    });
}

void TErgebnisliste::SetzeSpalten() {
    // The column of TFRd is headed by the resistance's own symbol: "Vsd" would name the load.
    setHeaderLabels(
        {tr("Connector"), tr("Asx"), tr("Asy"), tr("VRd"), tr("Vsd/VRd"), tr("nD"), tr("Remarks")});
    const std::array<QString, AnzSpalten> bedeutungen{
        tr("Connector type"),
        tr("Actual area of the secondary reinforcement [mm²]"),
        tr("Actual area of the main reinforcement [mm²]"),
        tr("Design resistance of one connector [kN]"),
        tr("Usage of one connector: design load / design resistance"),
        tr("Number of connectors"),
        tr("Result of the checks")};
    for (int s = 0; s < AnzSpalten; ++s) {
        headerItem()->setToolTip(s, bedeutungen[static_cast<std::size_t>(s)]);
    }
    for (int s = SpAsx; s <= SpAnz; ++s) {
        headerItem()->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void TErgebnisliste::Fuelle(const TKErgebnisse& ergebnisse,
                            const std::array<std::string, 10>& statusKurz, char trenner) {
    const QSignalBlocker sperre(this);
    clear();
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        const TKDornErgebnis& e = ergebnisse.DornErgebnis(typ);
        auto* zeile = new QTreeWidgetItem(this);
        zeile->setIcon(SpDorn, Statussymbol(e.TStatus));
        zeile->setText(SpDorn, QString::fromStdString(DornName(typ)));
        zeile->setText(SpAsx, QString::fromStdString(FormatFest(e.TAsxIst, 0, trenner)));
        zeile->setText(SpAsy, QString::fromStdString(FormatFest(e.TAsyIst, 0, trenner)));
        zeile->setText(SpVRd, QString::fromStdString(FormatFest(e.TFRd(), 1, trenner)));
        zeile->setText(SpEta, QString::fromStdString(FormatFest(e.TEtaQ, 2, trenner)));
        zeile->setText(SpAnz, QString::number(ergebnisse.TAnzDorn(typ)));
        const std::string status =
            e.TStatus < statusKurz.size() ? statusKurz[e.TStatus] : std::string();
        zeile->setText(SpBemerkung, QString::fromStdString(status));
        for (int s = SpAsx; s <= SpAnz; ++s) {
            zeile->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

void TErgebnisliste::WaehleZeile(int typ) {
    QTreeWidgetItem* zeile = topLevelItem(typ);
    if (!zeile) {
        return;
    }
    if (currentItem() == zeile) {
        emit zeileGewaehlt(typ); // selecting the selected row still runs the handling
    } else {
        setCurrentItem(zeile);
    }
    scrollToItem(zeile);
}

int TErgebnisliste::GewaehlteZeile() const {
    return currentItem() ? indexOfTopLevelItem(currentItem()) : -1;
}

void TErgebnisliste::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    // The five number columns share what the fixed columns leave; "Remarks" gets the rest.
    const int frei = viewport()->width() - 90 - 30;
    const int breite = std::max(48, frei / 8);
    for (int s = SpAsx; s <= SpEta; ++s) {
        setColumnWidth(s, breite);
    }
}

} // namespace vsk
