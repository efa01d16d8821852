#include "shell/ui/HilfeFenster.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vsk {

TfrmHilfe::TfrmHilfe(const QString& verzeichnis, QWidget* parent)
    : QWidget(parent, Qt::Window), index_(verzeichnis) {
    setObjectName(QStringLiteral("frmHilfe"));
    resize(900, 640);

    auto* aussen = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    zurueck_ = new QPushButton(this);
    vor_ = new QPushButton(this);
    start_ = new QPushButton(this);
    benutzung_ = new QPushButton(this);
    leiste->addWidget(start_);
    leiste->addWidget(zurueck_);
    leiste->addWidget(vor_);
    leiste->addStretch(1);
    leiste->addWidget(benutzung_);
    aussen->addLayout(leiste);

    auto* teiler = new QSplitter(this);
    reiter_ = new QTabWidget(teiler);
    inhalt_ = new QListWidget(reiter_);
    inhalt_->setObjectName(QStringLiteral("lvInhalt"));
    auto* indexSeite = new QWidget(reiter_);
    auto* indexLayout = new QVBoxLayout(indexSeite);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    suche_ = new QLineEdit(indexSeite);
    suche_->setObjectName(QStringLiteral("editSuche"));
    suche_->setClearButtonEnabled(true);
    stichwoerter_ = new QListWidget(indexSeite);
    stichwoerter_->setObjectName(QStringLiteral("lvStichwoerter"));
    indexLayout->addWidget(suche_);
    indexLayout->addWidget(stichwoerter_);
    reiter_->addTab(inhalt_, QString());
    reiter_->addTab(indexSeite, QString());
    browser_ = new QTextBrowser(teiler);
    browser_->setObjectName(QStringLiteral("Browser"));
    browser_->setSearchPaths({verzeichnis});
    browser_->setOpenExternalLinks(true);
    teiler->addWidget(reiter_);
    teiler->addWidget(browser_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({250, 650});
    aussen->addWidget(teiler, 1);

    for (const THilfeseite& s : index_.Seiten()) {
        auto* eintrag = new QListWidgetItem(s.titel.isEmpty() ? s.datei : s.titel, inhalt_);
        eintrag->setData(Qt::UserRole, s.datei);
    }
    FuelleStichwoerter({});

    connect(inhalt_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { ZeigeSeite(e->data(Qt::UserRole).toString()); });
    connect(stichwoerter_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* e) { ZeigeSeite(e->data(Qt::UserRole).toString()); });
    connect(stichwoerter_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { ZeigeSeite(e->data(Qt::UserRole).toString()); });
    connect(suche_, &QLineEdit::textEdited, this, &TfrmHilfe::FuelleStichwoerter);
    connect(suche_, &QLineEdit::returnPressed, this, [this] {
        if (stichwoerter_->count() > 0) {
            ZeigeSeite(stichwoerter_->item(0)->data(Qt::UserRole).toString());
        }
    });
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& quelle) { aktuell_ = quelle.toString(); });
    connect(zurueck_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(vor_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QWidget::setEnabled);
    connect(start_, &QPushButton::clicked, this, &TfrmHilfe::ZeigeInhalt);
    connect(benutzung_, &QPushButton::clicked, this, &TfrmHilfe::ZeigeBenutzung);
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);

    UebersetzeTexte();
}

void TfrmHilfe::UebersetzeTexte() {
    setWindowTitle(tr("VSK Help"));
    reiter_->setTabText(0, tr("Contents"));
    reiter_->setTabText(1, tr("Index"));
    suche_->setPlaceholderText(tr("Type the first letters of a keyword"));
    zurueck_->setText(tr("&Back"));
    vor_->setText(tr("&Forward"));
    start_->setText(tr("&Contents"));
    benutzung_->setText(tr("&Use of Help"));
}

void TfrmHilfe::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        UebersetzeTexte();
    }
    QWidget::changeEvent(e);
}

void TfrmHilfe::ZeigeFehlendeHilfe() {
    browser_->setHtml(
        QStringLiteral("<h2>%1</h2><p>%2</p>")
            .arg(tr("Help not found").toHtmlEscaped(),
                 tr("The help pages were not found in the folder %1. Install the program again "
                    "from the CD.")
                     .arg(index_.Verzeichnis())
                     .toHtmlEscaped()));
}

void TfrmHilfe::ZeigeSeite(const QString& ziel) {
    if (!index_.Vorhanden()) {
        ZeigeFehlendeHilfe();
        return;
    }
    browser_->setSource(QUrl(ziel));
    aktuell_ = ziel; // the browser's source drops the anchor
}

void TfrmHilfe::ZeigeInhalt() {
    reiter_->setCurrentIndex(0);
    ZeigeSeite(QString::fromLatin1(THilfeindex::Inhaltsseite));
}

void TfrmHilfe::ZeigeBenutzung() {
    ZeigeSeite(QString::fromLatin1(THilfeindex::Benutzungsseite));
}

void TfrmHilfe::FuelleStichwoerter(const QString& wort) {
    stichwoerter_->clear();
    for (const THilfeStichwort& s : index_.Suche(wort)) {
        auto* eintrag = new QListWidgetItem(s.wort, stichwoerter_);
        eintrag->setData(Qt::UserRole, s.ziel);
    }
    if (stichwoerter_->count() > 0) {
        stichwoerter_->setCurrentRow(0);
    }
}

void TfrmHilfe::ZeigeSuche(const QString& wort) {
    reiter_->setCurrentIndex(1);
    suche_->setText(wort);
    FuelleStichwoerter(wort);
    suche_->setFocus(Qt::OtherFocusReason);
    if (!wort.isEmpty() && stichwoerter_->count() > 0) {
        ZeigeSeite(stichwoerter_->item(0)->data(Qt::UserRole).toString());
    } else if (browser_->source().isEmpty()) {
        ZeigeInhalt();
        reiter_->setCurrentIndex(1);
    }
}

bool TfrmHilfe::ZeigeKontext(int kontext) {
    const QString seite = index_.SeiteFuerKontext(kontext);
    if (seite.isEmpty()) {
        ZeigeInhalt();
        return false;
    }
    ZeigeSeite(seite);
    return true;
}

bool TfrmHilfe::ZeigeThema(const QString& thema) {
    const QString seite = index_.SeiteFuerThema(thema);
    if (seite.isEmpty()) {
        ZeigeInhalt();
        return false;
    }
    ZeigeSeite(seite);
    return true;
}

QString TfrmHilfe::AktuelleSeite() const {
    return aktuell_;
}

} // namespace vsk
