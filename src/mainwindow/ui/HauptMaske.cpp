#include "mainwindow/ui/HauptMaske.h"

#include "canvas/qt/QtCanvas.h"
#include "design/ui/BeliebigeLastFenster.h"
#include "design/ui/BemessungFenster.h"
#include "design/ui/BewehrungFenster.h"
#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/Bearbeitung.h"
#include "mainwindow/ui/Bearbeitungsbefehle.h"
#include "mainwindow/ui/Befehle.h"
#include "mainwindow/ui/Berichtbefehle.h"
#include "mainwindow/ui/Bildbefehle.h"
#include "mainwindow/ui/Dateibefehle.h"
#include "mainwindow/ui/Dateidialoge.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/Eingabebaum.h"
#include "mainwindow/ui/Ergebnisliste.h"
#include "mainwindow/ui/Fenstergedaechtnis.h"
#include "mainwindow/ui/Hinweise.h"
#include "mainwindow/ui/IfcBefehle.h"
#include "mainwindow/ui/PositionsFeld.h"
#include "mainwindow/ui/Projektberichtbefehl.h"
#include "mainwindow/ui/SkizzenBild.h"
#include "mainwindow/ui/Symbole.h"
#include "mainwindow/ui/Vorschau.h"
#include "mainwindow/ui/Wiederherstellung.h"
#include "mainwindow/ui/Zugriffstasten.h"
#include "model/Eingaben.h"
#include "model/Texttabellen.h"
#include "model/ui/ProjektdatenFenster.h"
#include "model/ui/ProjektverwaltungFenster.h"
#include "model/ui/StuecklisteFenster.h"
#include "shell/Texte.h"
#include "shell/ui/Programm.h"
#include "sketches/Skizzen.h"
#include "sketches/Skizzenausschnitt.h"
#include "sketches/ui/FarbeinstellungFenster.h"
#include "sketches/ui/ZoomFenster.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace vsk {

namespace {
constexpr int NavigationBreite = 170;
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

TfrmHauptMaske::TfrmHauptMaske(Programm& programm, QWidget* parent)
    : QMainWindow(parent), programm_(programm), aktionen_(std::make_unique<THauptAktionen>(this)) {
    setObjectName(QStringLiteral("frmHauptMaske"));
    setWindowIcon(Symbol("logo"));
    setMinimumSize(600, 450);

    dateiMenue_ = aktionen_->BaueMenue(menuBar());
    BaueWerkzeugleiste();

    splVertikal_ = new QSplitter(Qt::Horizontal);
    splVertikal_->setObjectName(QStringLiteral("splVertikal"));
    splVertikal_->setChildrenCollapsible(false);
    BaueNavigation(splVertikal_);

    // Centre: input panel and sketch column above the results overview, or the preview.
    auto* mitte = new QWidget;
    auto* mitteSpalte = new QVBoxLayout(mitte);
    mitteSpalte->setContentsMargins(0, 0, 0, 0);
    splUebersicht_ = new QSplitter(Qt::Vertical);
    splUebersicht_->setObjectName(QStringLiteral("splUebersicht"));
    splUebersicht_->setChildrenCollapsible(false);
    scBoxEingabe_ = new QWidget;
    scBoxEingabe_->setObjectName(QStringLiteral("scBoxEingabe"));
    auto* eingabeReihe = new QHBoxLayout(scBoxEingabe_);
    eingabeReihe->setContentsMargins(0, 0, 0, 0);
    eingabeReihe->setSpacing(0);
    panel_ = new TEingabePanel(programm_);
    auto* panelRahmen = new QScrollArea;
    panelRahmen->setObjectName(QStringLiteral("scBoxPanel"));
    panelRahmen->setWidget(panel_);
    panelRahmen->setWidgetResizable(true);
    panelRahmen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelRahmen->setFrameShape(QFrame::NoFrame);
    panelRahmen_ = panelRahmen;
    panelRahmen->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    eingabeReihe->addWidget(panelRahmen);
    eingabeReihe->addWidget(BaueSkizzenspalte(), 1);
    splUebersicht_->addWidget(scBoxEingabe_);
    splUebersicht_->addWidget(BaueUebersicht());
    splUebersicht_->setStretchFactor(0, 3);
    splUebersicht_->setStretchFactor(1, 2);
    vorschau_ = new TVorschau;
    mitteSpalte->addWidget(splUebersicht_);
    mitteSpalte->addWidget(vorschau_);
    splVertikal_->addWidget(mitte);
    splVertikal_->setStretchFactor(1, 1);
    splVertikal_->setSizes({NavigationBreite, 800});
    setCentralWidget(splVertikal_);

    BaueStatusleiste();
    zoom_ = new TfrmZoom(this);
    zoom_->SetzeZeichner([this](Canvas& c, const Rechteck& r) { ZeichneAktuelleSkizze(c, r); });
    zoom_->SetzeLagefinder(
        [this](Canvas& c, const Rechteck& r) { return AktuelleSkizzenlage(c, r); });
    zoom_->SetzeAktivierung([this] {
        if (programm_.HatModell()) {
            programm_.AktModell().TTempFlag = 0;
        }
    });
    BaueSkizzenmenue();
    GibMenueleisteVorrang(*menuBar(), *this);

    befehle_ = std::make_unique<TBefehle>(*this, programm_);
    dateien_ = std::make_unique<TDateibefehle>(*this, programm_, *dateiMenue_);
    berichte_ = std::make_unique<TBerichtbefehle>(*this, programm_, *dateien_);
    bilder_ = std::make_unique<TBildbefehle>(*this, programm_, *dateien_, *berichte_);
    ifc_ = std::make_unique<TIfcBefehle>(*this, programm_, *dateien_);
    projektbericht_ = std::make_unique<TProjektberichtbefehl>(*this, programm_, *dateien_);
    bearbeitung_ = std::make_unique<TBearbeitungsbefehle>(*this, programm_);
    wiederherstellung_ =
        std::make_unique<TWiederherstellung>(*this, programm_, *dateien_, *bearbeitung_);
    connect(popmnuKopieren_, &QAction::triggered, bilder_.get(), &TBildbefehle::SkizzeKopieren);
    connect(popmnuSpeichern_, &QAction::triggered, bilder_.get(), &TBildbefehle::SkizzeSpeichern);
    zoom_->SetzeKopieren([this](TfrmZoom& z) { bilder_->ZoomKopieren(z); });
    zoom_->SetzeExportieren([this](TfrmZoom& z) { bilder_->ZoomSpeichern(z); });

    connect(panel_, &TEingabePanel::eingabeGeaendert, this, [this] { SetAnzeigeModus(Eingabe); });
    connect(panel_, &TEingabePanel::skizzeNeu, this, &TfrmHauptMaske::ZeichneSkizze);
    connect(panel_, &TEingabePanel::groesseNeu, this, &TfrmHauptMaske::Groessenanpassung);
    connect(panel_, &TEingabePanel::anwendungsfallGezeigt, this,
            &TfrmHauptMaske::AnwendungsfallGezeigt);
    connect(skizze_, &TSkizzenBild::menueAngefordert, this,
            [this](const QPoint& p) { skizzenMenue_->popup(p); });
    connect(skizze_, &TSkizzenBild::groesseGeaendert, this, &TfrmHauptMaske::Groessenanpassung);
    connect(splVertikal_, &QSplitter::splitterMoved, this, &TfrmHauptMaske::Groessenanpassung);
    connect(splUebersicht_, &QSplitter::splitterMoved, this, &TfrmHauptMaske::Groessenanpassung);
    connect(editPosition_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (programm_.HatModell()) {
            baum_->SetzePositionText(programm_.AktModell().TAktAnwendung, text);
        }
    });
    connect(editPosition_, &QLineEdit::editingFinished, this, [this] {
        if (programm_.HatModell()) {
            const TBearbeitung bearbeitung(programm_, tr("Position"));
            BenennePosition(programm_.AktAnwendung(), editPosition_->text().toStdString());
            EingabeUebernommen(*editPosition_);
            baum_->SetzePositionText(programm_.AktModell().TAktAnwendung, editPosition_->text());
        }
    });
    // The project text reaches the project with every keystroke; the step is the whole
    // typing, from the first keystroke to leaving the field.
    auto projektText = [this] {
        if (programm_.HatModell()) {
            programm_.AktModell().Projektbeschreibung.TBauvorhaben =
                editBauvorhaben_->text().toStdString();
            baum_->SetzeProjektText(editBauvorhaben_->text());
        }
    };
    connect(editBauvorhaben_, &QLineEdit::textEdited, this, [this] {
        if (programm_.HatModell()) {
            BearbeitungVormerken(programm_, tr("Project name"),
                                 Bearbeitungsumfang::Projektbeschreibung());
        }
    });
    connect(editBauvorhaben_, &QLineEdit::textChanged, this, projektText);
    connect(editBauvorhaben_, &QLineEdit::editingFinished, this, [this, projektText] {
        if (programm_.HatModell()) {
            const TBearbeitung bearbeitung(programm_, tr("Project name"),
                                           Bearbeitungsumfang::Projektbeschreibung());
            projektText();
            EingabeUebernommen(*editBauvorhaben_);
        }
    });

    qApp->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        if (w && w != windowHandle()) {
            letztesFenster_ = w;
        }
    });

    FormCreate();
    AktualisiereEingaben();
    BaueDialoge();

    // Where the user left the window, else 792 x 592 centred on the screen.
    gedaechtnis_ = new TFenstergedaechtnis(*this, *splVertikal_, *splUebersicht_, *zoom_);
    gedaechtnis_->Wiederherstellen(programm_.einstellungen());
}

TfrmHauptMaske::~TfrmHauptMaske() {
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------- building the window

void TfrmHauptMaske::BaueWerkzeugleiste() {
    const THauptAktionen& a = *aktionen_;
    werkzeuge_ = addToolBar(tr("Tool bar"));
    werkzeuge_->setObjectName(QStringLiteral("tbarMain"));
    werkzeuge_->setMovable(false);
    werkzeuge_->setIconSize(QSize(20, 20));
    werkzeuge_->addActions({a.neu, a.oeffnen, a.speichern, a.speichernUnter, a.drucken});
    werkzeuge_->addSeparator();
    werkzeuge_->addActions({a.rueckgaengig, a.wiederholen});
    werkzeuge_->addSeparator();
    werkzeuge_->addActions({a.projektverwaltung, a.positionHinzufuegen, a.positionLoeschen});
    auto* lfd = new QLabel(tr("lfd Nr.:"));
    lfd->setContentsMargins(4, 0, 2, 0);
    werkzeuge_->addWidget(lfd);
    positionswahl_ = new TPositionsFeld;
    positionswahl_->setRange(1, 1);
    positionswahl_->setMinimumWidth(
        positionswahl_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 28);
    SetzeHinweis(positionswahl_, tr("Current position|Number of the position shown"));
    werkzeuge_->addWidget(positionswahl_);
    werkzeuge_->addSeparator();
    werkzeuge_->addActions({a.eingabebaum, a.projektdaten, a.bildschirmfarben,
                            a.stuecklisteAnzeigen, a.systemeingabe});
    auto* rechnen = new QToolButton;
    rechnen->setObjectName(QStringLiteral("tbBerechnung"));
    rechnen->setText(tr("Calculation"));
    rechnen->setAutoRaise(true);
    rechnen->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetzeHinweis(rechnen, tr("Calculation|Design the current position"));
    connect(rechnen, &QToolButton::clicked, a.berechnung, &QAction::trigger);
    werkzeuge_->addWidget(rechnen);
    werkzeuge_->addActions({a.vorschau, a.exportDatei, a.exportZwischenablage});
    werkzeuge_->addSeparator();
    werkzeuge_->addActions({a.hilfeInhalt, a.beenden});
}

void TfrmHauptMaske::BaueNavigation(QSplitter* teiler) {
    navigation_ = new QWidget;
    navigation_->setObjectName(QStringLiteral("pnlNavigation"));
    navigation_->setMinimumWidth(120);
    auto* spalte = new QVBoxLayout(navigation_);
    spalte->setContentsMargins(2, 2, 2, 2);
    spalte->setSpacing(4);
    baum_ = new TEingabebaum;
    spalte->addWidget(baum_, 1);
    auto* knoepfe = new QWidget;
    knoepfe->setObjectName(QStringLiteral("pnlBerechnung"));
    auto* knoepfeSpalte = new QVBoxLayout(knoepfe);
    knoepfeSpalte->setContentsMargins(0, 0, 0, 5);
    knoepfeSpalte->setSpacing(3);
    auto neu = [&](const char* name, const QString& text, const char* symbol) {
        auto* k = new QPushButton(Symbol(symbol), text);
        k->setObjectName(QString::fromLatin1(name));
        knoepfeSpalte->addWidget(k);
        return k;
    };
    knopfBerechnung_ = neu("BitBtnBerechnung", tr("&Calculation"), "berechnung");
    knopfVorschau_ = neu("BitBtnVorschau", tr("Calculation &Preview"), "vorschau");
    knopfZurueck_ = neu("BitBtnZurueck", tr("&Return to entry"), "systemeingabe");
    knopfExport_ = neu("BitBtnExport", tr("&Export"), "export");
    knopfZwischenablage_ = neu("BitBtnZwischenablage", tr("To &Clipboard"), "zwischenablage");
    const THauptAktionen& a = *aktionen_;
    connect(knopfBerechnung_, &QPushButton::clicked, a.berechnung, &QAction::trigger);
    connect(knopfVorschau_, &QPushButton::clicked, a.vorschau, &QAction::trigger);
    connect(knopfZurueck_, &QPushButton::clicked, a.systemeingabe, &QAction::trigger);
    connect(knopfExport_, &QPushButton::clicked, a.exportDatei, &QAction::trigger);
    connect(knopfZwischenablage_, &QPushButton::clicked, a.exportZwischenablage, &QAction::trigger);
    spalte->addWidget(knoepfe);
    teiler->addWidget(navigation_);
}

QWidget* TfrmHauptMaske::BaueSkizzenspalte() {
    auto* spalte = new QWidget;
    spalte->setObjectName(QStringLiteral("pnlSkizze"));
    auto* v = new QVBoxLayout(spalte);
    v->setContentsMargins(4, 4, 4, 4);
    v->setSpacing(4);
    auto* kopf = new QWidget;
    kopf->setObjectName(QStringLiteral("pnlKopf"));
    auto* raster = new QGridLayout(kopf);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(2);
    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(Symbol("logo").pixmap(32, 32));
    logo->setFixedSize(32, 32);
    editBauvorhaben_ = new QLineEdit;
    editBauvorhaben_->setObjectName(QStringLiteral("EditBauvorhaben"));
    editPosition_ = new QLineEdit;
    editPosition_->setObjectName(QStringLiteral("EditPosition"));
    auto* bauvorhaben = new QLabel(tr("Project:"));
    bauvorhaben->setBuddy(editBauvorhaben_);
    auto* position = new QLabel(tr("Position"));
    position->setBuddy(editPosition_);
    raster->addWidget(logo, 0, 0, 2, 1);
    raster->addWidget(bauvorhaben, 0, 1);
    raster->addWidget(editBauvorhaben_, 0, 2);
    raster->addWidget(position, 1, 1);
    raster->addWidget(editPosition_, 1, 2);
    raster->setColumnStretch(2, 1);
    v->addWidget(kopf);
    skizze_ = new TSkizzenBild;
    SetzeHinweis(skizze_, tr("Sketch|Click for the sketch menu"));
    v->addWidget(skizze_, 1);
    hinweise_ = new QPlainTextEdit;
    hinweise_->setObjectName(QStringLiteral("memoHinweise"));
    hinweise_->setReadOnly(true);
    hinweise_->setFocusPolicy(Qt::NoFocus);
    QPalette p = hinweise_->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, QColor(Qt::red));
    hinweise_->setPalette(p);
    hinweise_->setMaximumHeight(hinweise_->fontMetrics().lineSpacing() * 6 + 12);
    hinweise_->hide();
    v->addWidget(hinweise_);
    return spalte;
}

QWidget* TfrmHauptMaske::BaueUebersicht() {
    uebersicht_ = new QWidget;
    uebersicht_->setObjectName(QStringLiteral("scBoxUebersicht"));
    auto* v = new QVBoxLayout(uebersicht_);
    v->setContentsMargins(4, 0, 4, 4);
    v->setSpacing(2);
    skizzenLeiste_ = new QToolBar;
    skizzenLeiste_->setObjectName(QStringLiteral("tbarErgebnisse"));
    skizzenLeiste_->setIconSize(QSize(24, 24));
    auto* gruppe = new QActionGroup(this);
    gruppe->setExclusive(true);
    struct Art {
        const char* name;
        const char* symbol;
        QString hinweis;
    };
    const std::array<Art, 4> arten{{
        {"tbAnsicht", "ansicht", tr("View")},
        {"tbDraufsicht", "draufsicht", tr("plan view")},
        {"tbSchnitt", "schnitt", tr("Section")},
        {"tbReihenAnsicht", "reihe", tr("Connector arrangement / distribution")},
    }};
    for (int i = 0; i < 4; ++i) {
        QAction* a = skizzenLeiste_->addAction(Symbol(arten[i].symbol), arten[i].hinweis);
        a->setObjectName(QString::fromLatin1(arten[i].name));
        a->setCheckable(true);
        SetzeHinweis(a, arten[i].hinweis);
        gruppe->addAction(a);
        skizzenArten_.push_back(a);
        connect(a, &QAction::triggered, this, [this, i] { SkizzenArtGewaehlt(i); });
    }
    skizzenArten_[SkizzenArt::Ansicht]->setChecked(true);
    // The connector drawing is not part of the program: its button is never shown.
    QAction* dorn = skizzenLeiste_->addAction(tr("Drawing of connector"));
    dorn->setObjectName(QStringLiteral("tbDorn"));
    dorn->setVisible(false);
    connect(dorn, &QAction::triggered, this, [this] {
        programm_.plattform().Meldung(
            text("Eingabe", "Die Dateilanzeige zum Dorn ist noch nicht aktiviert"));
    });
    skizzenLeiste_->addSeparator();
    tbBewehrung_ = skizzenLeiste_->addAction(Symbol("bewehrung"), tr("Fit reinforcement manually"));
    tbBewehrung_->setObjectName(QStringLiteral("tbBewehrung"));
    SetzeHinweis(tbBewehrung_, tr("Fit reinforcement manually"));
    tbBewehrung_->setEnabled(false); // only for calculated results
    v->addWidget(skizzenLeiste_);
    ergebnisliste_ = new TErgebnisliste;
    v->addWidget(ergebnisliste_, 1);
    return uebersicht_;
}

void TfrmHauptMaske::BaueStatusleiste() {
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("sbMain"));
    sb->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        status_[i] = new QLabel;
        status_[i]->setObjectName(QStringLiteral("sbMainPanel%1").arg(i));
        status_[i]->setFrameShape(QFrame::StyledPanel);
        status_[i]->setFrameShadow(QFrame::Sunken);
        sb->addWidget(status_[i], i == 0 ? 1 : 0);
    }
    status_[1]->setAlignment(Qt::AlignCenter);
    status_[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TfrmHauptMaske::BaueSkizzenmenue() {
    skizzenMenue_ = new QMenu(this);
    skizzenMenue_->setObjectName(QStringLiteral("popmnuSkizze"));
    const std::array<QString, 4> texte{tr("Sketch to &Clipborad"), tr("Save sketch in file"),
                                       tr("Represent sketch as full picture"), tr("DXF-Export")};
    std::array<QAction*, 4> eintraege{};
    for (std::size_t i = 0; i < texte.size(); ++i) {
        eintraege[i] = skizzenMenue_->addAction(texte[i]);
    }
    popmnuKopieren_ = eintraege[0];
    popmnuKopieren_->setObjectName(QStringLiteral("popmnuSkizzeKopieren"));
    popmnuSpeichern_ = eintraege[1];
    popmnuSpeichern_->setObjectName(QStringLiteral("popmnuSkizzeSpeichern"));
    eintraege[2]->setObjectName(QStringLiteral("popmnuVollbild"));
    connect(eintraege[2], &QAction::triggered, this, [this] { zoom_->ZeigeBei(this); });
    popmnuDxf_ = eintraege[3];
    popmnuDxf_->setObjectName(QStringLiteral("popmnuDXF"));
    connect(popmnuDxf_, &QAction::triggered, this, [this] { befehle_->DxfBewehrung(true); });
}

QLabel& TfrmHauptMaske::Statusfeld(int i) {
    return *status_[static_cast<std::size_t>(i)];
}

// ---------------------------------------------------------------- creation and modes

void TfrmHauptMaske::FormCreate() {
    status_[1]->setText(tr("VSK - 2.0"));
    status_[2]->clear();
    try {
        programm_.NeuesModell();
    } catch (const SchreibFehler& fehler) {
        // The old project could not write its load factors; the new one exists anyway.
        programm_.plattform().Fehler(fehler.what());
    }
    programm_.EingabeOK = true;
    positionswahl_->setMinimum(1);
    QStringList namen;
    for (const TKAnwendung& a : programm_.AktModell().Anwendungen()) {
        namen << Q(a.TPosition);
    }
    baum_->BaueEingabebaum(Q(programm_.AktModell().Projektbeschreibung.TBauvorhaben), namen);
    programm_.FarbenLaden();
    InitMaske();
}

void TfrmHauptMaske::InitMaske() {
    InitTexte();
    programm_.Texte = ErzeugeTexttabellen();
    SetzeTitel({});
    panel_->FuelleListen(programm_.Texte);
    // The panel keeps its natural width; the sketch column takes what is left.
    panelRahmen_->setFixedWidth(panel_->sizeHint().width() +
                                panelRahmen_->verticalScrollBar()->sizeHint().width());
    SetAnzeigeModus(Eingabe);
    TKModell& m = programm_.AktModell();
    baum_->SetzePositionText(m.TAktAnwendung, Q(programm_.AktAnwendung().TPosition));
    ergebnisliste_->SetzeSpalten();
}

void TfrmHauptMaske::Freigabe(QAction* aktion, bool regel) {
    aktion->setEnabled(regel);
}

void TfrmHauptMaske::SetAnzeigeModus(int modus) {
    if (!programm_.HatModell()) {
        return;
    }
    modus_ = modus;
    const bool R = modus != Eingabe;
    const bool P = modus == Vorschau;
    TKModell& m = programm_.AktModell();
    TKAnwendung& a = programm_.AktAnwendung();
    a.cErgebnisse.TBerechnet = R ? 1 : 0;
    const THauptAktionen& ak = *aktionen_;
    Freigabe(ak.systemeingabe, P);
    Freigabe(ak.stuecklisteHinzufuegen, R);
    baum_->SetzeModus(R, P);
    vorschau_->setVisible(P);
    splUebersicht_->setVisible(!P);
    Freigabe(ak.drucken, R);
    Freigabe(ak.pdfExport, R);
    Freigabe(ak.exportDatei, P);
    Freigabe(ak.exportZwischenablage, P);
    Freigabe(ak.dxfBewehrung, R);
    Freigabe(ak.ifcExport, R);
    Freigabe(ak.dxfDorn, R);
    tbBewehrung_->setEnabled(R);
    Freigabe(popmnuDxf_, R);
    knopfExport_->setVisible(P);
    knopfZwischenablage_->setVisible(P);
    knopfZurueck_->setVisible(P);
    knopfBerechnung_->setVisible(!P);
    knopfVorschau_->setVisible(!P);
    if (modus == Eingabe) {
        m.TSkizzeAnzeige = SkizzenArt::System;
        m.AktDornDaten.Laden(m.TEingabeDorn);
        a.cErgebnisse.TAktDorn = m.TEingabeDorn;
    }
    uebersicht_->setVisible(modus == Uebersicht);
    hinweise_->hide();
    Groessenanpassung();
}

void TfrmHauptMaske::ZeigeAnwendung() {
    // The refresh of the fields ends in input mode, which drops the results' state and
    // their selected type; showing a position changes neither, so both are read first.
    const TKErgebnisse& ergebnisse = programm_.AktAnwendung().cErgebnisse;
    const bool berechnet = ergebnisse.TBerechnet != 0;
    const std::uint8_t gewaehlt = ergebnisse.TAktDorn;
    AktualisiereEingaben();
    if (berechnet) {
        programm_.AktAnwendung().cErgebnisse.TAktDorn = gewaehlt;
        SetAnzeigeModus(Uebersicht);
        programm_.AktModell().TSkizzeAnzeige = programm_.AktModell().TErgebnisAnzeige;
        FuelleErgebnisliste();
    } else {
        SetAnzeigeModus(Eingabe);
    }
}

void TfrmHauptMaske::AktualisiereEingaben() {
    TKModell& m = programm_.AktModell();
    {
        const QSignalBlocker sperre(positionswahl_);
        positionswahl_->setMaximum(m.TAnzAnwendung());
        positionswahl_->setValue(m.TAktAnwendung);
    }
    editPosition_->setText(Q(programm_.AktAnwendung().TPosition));
    editBauvorhaben_->setText(Q(m.Projektbeschreibung.TBauvorhaben));
    panel_->Aktualisiere();
}

void TfrmHauptMaske::SetzeTitel(const QString& pfad) {
    dateiname_ = pfad;
    const QString name = pfad.isEmpty() ? tr("Unnamed") : pfad;
    const bool geaendert = programm_.HatModell() && programm_.Verlauf().Geaendert();
    setWindowTitle(tr("Tervo - VSK / VSKQ Shear Connectors") + QStringLiteral(": ") + name +
                   (geaendert ? QStringLiteral(" *") : QString()));
}

void TfrmHauptMaske::BaueAktuellePositionen() {
    QStringList namen;
    for (const TKAnwendung& a : programm_.AktModell().Anwendungen()) {
        namen << Q(a.TPosition);
    }
    baum_->BaueAktuellePositionen(namen);
}

void TfrmHauptMaske::ZeigeHinweise(const std::vector<std::string>& zeilen) {
    hinweise_->clear();
    for (const std::string& z : zeilen) {
        hinweise_->appendPlainText(Q(z));
    }
    hinweise_->setVisible(!zeilen.empty());
}

void TfrmHauptMaske::SetzeEingabebaum(bool sichtbar) {
    navigation_->setVisible(sichtbar);
    aktionen_->eingabebaum->setChecked(sichtbar);
    Groessenanpassung();
}

void TfrmHauptMaske::AnwendungsfallGezeigt(int fall) {
    QAction* reihe = skizzenArten_[SkizzenArt::Reihe];
    if (fall == Anwendungsfall::Einzeldorn) {
        if (reihe->isChecked()) {
            skizzenArten_[SkizzenArt::Ansicht]->setChecked(true);
            programm_.AktModell().TSkizzeAnzeige = SkizzenArt::Ansicht;
            programm_.AktModell().TErgebnisAnzeige = SkizzenArt::Ansicht;
        }
        reihe->setVisible(false);
    } else {
        reihe->setVisible(true);
    }
}

void TfrmHauptMaske::SkizzenArtGewaehlt(int art) {
    TKModell& m = programm_.AktModell();
    m.TSkizzeAnzeige = static_cast<std::uint8_t>(art);
    m.TErgebnisAnzeige = static_cast<std::uint8_t>(art);
    ZeichneSkizze();
}

// ---------------------------------------------------------------- drawing and sizes

void TfrmHauptMaske::ZeichneSkizze() {
    if (!programm_.HatModell() || !programm_.HatFarben() ||
        programm_.AktModell().TSkizzeAnzeige > SkizzenArt::System) {
        return;
    }
    QImage& bild = skizze_->Bitmap();
    {
        QtCanvas canvas(bild);
        const QSize g = LogischeGroesse(bild);
        ZeichneAktuelleSkizze(canvas, Rechteck{0, 0, g.width(), g.height()});
    }
    skizze_->update();
    // The enlarged copy follows every redraw (it draws only while shown).
    if (zoom_ != nullptr) {
        zoom_->Neuzeichnen();
    }
}

void TfrmHauptMaske::ZeichneAktuelleSkizze(Canvas& canvas, const Rechteck& rechteck) {
    if (!programm_.HatModell() || !programm_.HatFarben()) {
        return;
    }
    const Zeichenkontext kontext{programm_.AktModell(), programm_.AktAnwendung(),
                                 programm_.Farben(), programm_.Linienbreite, programm_.Trenner()};
    vsk::ZeichneSkizze(canvas, rechteck, kontext, programm_.AktModell().TSkizzeAnzeige);
}

Skizzenlage TfrmHauptMaske::AktuelleSkizzenlage(Canvas& canvas, const Rechteck& rechteck) {
    if (!programm_.HatModell() || !programm_.HatFarben()) {
        return {};
    }
    const Zeichenkontext kontext{programm_.AktModell(), programm_.AktAnwendung(),
                                 programm_.Farben(), programm_.Linienbreite, programm_.Trenner()};
    return LageDerSkizze(canvas, rechteck, programm_.AktModell().TSkizzeAnzeige, kontext);
}

void TfrmHauptMaske::Groessenanpassung() {
    const QFontMetrics fm = status_[1]->fontMetrics();
    const int breite1 = fm.horizontalAdvance(status_[1]->text());
    const int breite2 = fm.horizontalAdvance(status_[2]->text());
    const int feld0 = std::max(40, width() - 2 * breite1 - breite2);
    const int feld1 = fm.horizontalAdvance(status_[1]->text() + QStringLiteral("      "));
    status_[1]->setFixedWidth(feld1);
    status_[2]->setFixedWidth(std::max(0, width() - feld0 - feld1 - 24));
    vorschau_->Anordnen();
    if (!programm_.HatModell() || programm_.AktModell().TSkizzeAnzeige > SkizzenArt::System) {
        return;
    }
    ZeichneSkizze();
}

void TfrmHauptMaske::FuelleErgebnisliste() {
    TKAnwendung& a = programm_.AktAnwendung();
    ergebnisliste_->Fuelle(a.cErgebnisse, programm_.Texte.StatusKurz, programm_.Trenner());
    ergebnisliste_->WaehleZeile(a.cErgebnisse.TAktDorn);
    ZeichneSkizze();
}

// ---------------------------------------------------------------- dialog windows

void TfrmHauptMaske::BaueDialoge() {
    // Created once, in the program's window order, and kept for the whole run.
    frmFarbeinstellung_ = new TfrmFarbeinstellung(programm_.Farben(), {}, this);
    frmBewehrung_ = new TfrmBewehrung(programm_.plattform(), this);
    frmbeliebigeLast_ = new TfrmbeliebigeLast(programm_.plattform(), programm_.Farben(), this);
    frmBemessung_ = new TfrmBemessung(programm_.einstellungen(), programm_.plattform(),
                                      programm_.Texte.MaxDornabstandTexte, this);

    frmStueckliste_ = new TfrmStueckliste(programm_.plattform(), programm_.Texte, this);
    frmProjektverwaltung_ =
        new TfrmProjektverwaltung(programm_.einstellungen(), programm_.plattform(),
                                  {[this] { return FrageSpeichern(); },
                                   [this](const QString& pfad) { return OeffneProjekt(pfad); }},
                                  this);
    frmProjektdaten_ = new TfrmProjektdaten(programm_.plattform(), this);

    const THauptAktionen& a = *aktionen_;
    connect(a.stuecklisteAnzeigen, &QAction::triggered, this, [this] {
        const TBearbeitung bearbeitung(programm_, tr("Connector Schedule"),
                                       Bearbeitungsumfang::Liste());
        frmStueckliste_->Zeige(programm_.AktModell());
    });
    connect(a.projektdaten, &QAction::triggered, this, [this] {
        const TBearbeitung bearbeitung(programm_, aktionen_->projektdaten->text(),
                                       Bearbeitungsumfang::Projektbeschreibung());
        if (frmProjektdaten_->Zeige(programm_.AktModell().Projektbeschreibung) ==
            QDialog::Accepted) {
            // Only the project's name is shown in the window; the position and its results
            // stay as they are.
            editBauvorhaben_->setText(Q(programm_.AktModell().Projektbeschreibung.TBauvorhaben));
        }
    });
    connect(a.projektverwaltung, &QAction::triggered, this, [this] {
        // "&Open Project" replaces the project, and the step with it.
        const TBearbeitung bearbeitung(
            programm_, tr("Import Position"),
            Bearbeitungsumfang::NeuePosition(programm_.AktModell().TAnzAnwendung()));
        if (frmProjektverwaltung_->Zeige(programm_.AktModell()) != QDialog::Accepted) {
            return;
        }
        // The imported position is the last one; it becomes the current position.
        TKModell& m = programm_.AktModell();
        m.TAktAnwendung = m.TAnzAnwendung();
        BaueAktuellePositionen();
        ZeigeAnwendung();
    });
    connect(a.bildschirmfarben, &QAction::triggered, this, [this] {
        if (frmFarbeinstellung_->Zeige() == QDialog::Accepted) {
            Groessenanpassung(); // redraws in the new colours
        }
    });
    connect(a.bemessung, &QAction::triggered, this, [this] {
        const TBearbeitung bearbeitung(programm_, frmBemessung_->windowTitle());
        if (frmBemessung_->Zeige(programm_.AktAnwendung()) == QDialog::Accepted &&
            frmBemessung_->Folgen().eingabemodus) {
            SetAnzeigeModus(Eingabe);
        }
    });
    connect(tbBewehrung_, &QAction::triggered, this, [this] {
        const TBearbeitung bearbeitung(programm_, frmBewehrung_->windowTitle());
        frmBewehrung_->Zeige(programm_.AktAnwendung());
        ErgebnisseNeuZeigen();
    });
    connect(frmBewehrung_, &TfrmBewehrung::ergebnisseGeaendert, this,
            &TfrmHauptMaske::ErgebnisseNeuZeigen);
    connect(panel_, &TEingabePanel::beliebigeLastBearbeiten, this, [this] {
        frmbeliebigeLast_->Zeige(programm_.AktModell());
        BeliebigeLastUebernehmen(programm_.AktAnwendung().cBelastungDesign);
        AktualisiereEingaben();
    });
}

void TfrmHauptMaske::ErgebnisseNeuZeigen() {
    // As FuelleErgebnisliste, but re-selecting the row must not run the row handling: it
    // would repeat the spacing warning at every step of the reinforcement window.
    TKAnwendung& a = programm_.AktAnwendung();
    ergebnisliste_->Fuelle(a.cErgebnisse, programm_.Texte.StatusKurz, programm_.Trenner());
    {
        const QSignalBlocker sperre(ergebnisliste_);
        ergebnisliste_->WaehleZeile(a.cErgebnisse.TAktDorn);
    }
    ZeichneSkizze();
}

// ---------------------------------------------------------------- events

bool TfrmHauptMaske::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        // The long part of the hint under the mouse, after two blanks.
        const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        status_[0]->setText(tip.isEmpty() ? QString() : QStringLiteral("  ") + tip);
        return true;
    }
    return QMainWindow::event(e);
}

void TfrmHauptMaske::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        Aktivierung();
    }
}

void TfrmHauptMaske::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // Without a window manager, or with focus-stealing prevention, the window may never
    // become active; the first activation's work then runs once the window is shown.
    if (ersteAktivierung_) {
        QTimer::singleShot(0, this, [this] {
            if (ersteAktivierung_) {
                Aktivierung();
            }
        });
    }
}

void TfrmHauptMaske::Aktivierung() {
    if (ersteAktivierung_) {
        ersteAktivierung_ = false;
        // What a run that did not end cleanly left comes before the command-line file.
        const bool wiederhergestellt = wiederherstellung_->Anbieten();
        if (!programm_.ParameterGeladen && !programm_.Kommandozeile.empty()) {
            befehle_->KommandozeileOeffnen();
            return;
        }
        if (!wiederhergestellt) {
            AktualisiereEingaben();
        }
        return;
    }
    // Only a return from another non-modal window of the program refreshes the fields;
    // closing a message box or a modal dialog, or coming back from another program, does not.
    QWindow* vorher = letztesFenster_;
    letztesFenster_ = nullptr;
    if (!vorher || vorher->modality() != Qt::NonModal || vorher->type() == Qt::Popup) {
        return;
    }
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget* w : fenster) {
        if (w != this && w->windowHandle() == vorher && !w->isModal()) {
            AktualisiereEingaben();
            return;
        }
    }
}

bool TfrmHauptMaske::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::KeyPress && objekt->isWidgetType() &&
        static_cast<QWidget*>(objekt)->window() == this) {
        if (Tastatur(static_cast<QKeyEvent*>(e))) {
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, e);
}

bool TfrmHauptMaske::Tastatur(QKeyEvent* taste) {
    const int k = taste->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        const bool nurShift = (taste->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
        // After a failed check the focus moves on even with Shift, so the check runs again.
        focusNextPrevChild(!(programm_.EingabeOK && nurShift));
        return true; // the Enter character itself is swallowed
    }
    if (vorschau_->isVisible()) {
        switch (k) {
        case Qt::Key_PageDown:
            vorschau_->BlaettereRunter();
            return true;
        case Qt::Key_PageUp:
            vorschau_->BlaettereHoch();
            return true;
        case Qt::Key_Home:
            vorschau_->NachLinks();
            return true;
        case Qt::Key_End:
            vorschau_->NachRechts();
            return true;
        default:
            break;
        }
    }
    return false;
}

bool TfrmHauptMaske::OeffneProjekt(const QString& pfad) {
    return dateien_->OeffneProjekt(pfad);
}

bool TfrmHauptMaske::FrageSpeichern() {
    return dateien_->FrageSpeichern();
}

void TfrmHauptMaske::SetzeDateidialoge(std::unique_ptr<TDateidialoge> dialoge) {
    dateien_->SetzeDialoge(std::move(dialoge));
}

void TfrmHauptMaske::closeEvent(QCloseEvent* e) {
    if (dateien_->FrageSpeichern()) {
        e->accept();
    } else {
        e->ignore();
    }
}

void TfrmHauptMaske::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    Groessenanpassung();
}

void TfrmHauptMaske::Freigeben() {
    // Windows, colours, then the project, in one write of the settings file.
    try {
        programm_.einstellungen().SchreibeZusammen([this] {
            gedaechtnis_->Merken(programm_.einstellungen());
            programm_.FarbenFreigeben();
            if (programm_.HatModell()) {
                programm_.AktModell().TSkizzeAnzeige =
                    SkizzenArt::Keine; // nothing drawn in teardown
            }
            programm_.ModellFreigeben();
        });
    } catch (const SchreibFehler& fehler) {
        programm_.ModellVerwerfen();
        programm_.plattform().Fehler(fehler.what());
    }
}

} // namespace vsk
