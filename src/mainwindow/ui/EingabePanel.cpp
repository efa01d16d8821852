#include "mainwindow/ui/EingabePanel.h"

#include "mainwindow/ui/Bearbeitung.h"
#include "mainwindow/ui/Hinweise.h"
#include "mainwindow/ui/Symbole.h"
#include "model/Eingaben.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "shell/ui/Programm.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vsk {

namespace {

constexpr int SpalteText = 0;
constexpr int SpalteSymbol = 1;
constexpr int SpalteFeld = 2;
constexpr int SpalteEinheit = 3;
constexpr int Spalten = 4;

QLabel* Symbolzeichen(const QString& zeichen, const QString& index) {
    // Italic symbol with an optional subscript, as engineers write it: d_w, c_o, l_f.
    QString html = QStringLiteral("<i>%1</i>").arg(zeichen.toHtmlEscaped());
    if (!index.isEmpty()) {
        html += QStringLiteral("<sub>%1</sub>").arg(index.toHtmlEscaped());
    }
    auto* label = new QLabel(html);
    label->setTextFormat(Qt::RichText);
    return label;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void TEingabePanel::Zeile::Zeige(bool sichtbar) const {
    for (QWidget* w : teile) {
        w->setVisible(sichtbar);
    }
}

TEingabePanel::TEingabePanel(Programm& programm, QWidget* parent)
    : QWidget(parent), programm_(programm) {
    setObjectName(QStringLiteral("pnlEingaben"));
    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(6, 4, 6, 4);
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(1);
    raster->setColumnStretch(SpalteText, 1);
    int zeile = 0;
    BaueAnwendungsfaelle(raster, zeile);
    BaueAuswahlen(raster, zeile);
    BaueGeometrie(raster, zeile);
    BaueLasten(raster, zeile);
    raster->setRowStretch(zeile, 1);
}

int TEingabePanel::FeldBreite() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("000000,000")) + 12;
}

QLabel* TEingabePanel::Einheit(const QString& text) const {
    auto* label = new QLabel(text);
    label->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("[kN/m]")) + 4);
    return label;
}

QLabel* TEingabePanel::Ueberschrift(const QString& text) {
    auto* label = new QLabel(text);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

TZahlenFeld* TEingabePanel::NeuesFeld(const QString& name, Feldgrenzen grenzen, double leer,
                                      const QString& null) {
    auto* feld = new TZahlenFeld(name, grenzen, leer, null);
    feld->setFixedWidth(FeldBreite());
    connect(feld, &TZahlenFeld::verlassen, this, &TEingabePanel::FeldVerlassen);
    connect(feld, &QLineEdit::textChanged, this, [this, feld] { TextGeaendert(feld); });
    return feld;
}

TZahlenFeld* TEingabePanel::NeueSumme(const QString& name) {
    auto* feld = new TZahlenFeld(name, {}, 0, QStringLiteral("0"));
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::NoFocus);
    feld->setFixedWidth(FeldBreite());
    QPalette p = feld->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    feld->setPalette(p);
    return feld;
}

void TEingabePanel::BaueAnwendungsfaelle(QGridLayout* raster, int& zeile) {
    raster->addWidget(Ueberschrift(tr("Application Case")), zeile++, 0, 1, Spalten);
    auto* leiste = new QWidget;
    auto* reihe = new QHBoxLayout(leiste);
    reihe->setContentsMargins(0, 0, 0, 0);
    anwendungsfall_ = new QButtonGroup(this);
    anwendungsfall_->setExclusive(true);
    struct Knopf {
        const char* name;
        const char* symbol;
        QString hinweis;
    };
    const std::array<Knopf, 3> knoepfe{{
        {"tbEinzel", "einzel", tr("Single Shear Connector")},
        {"tbReihePlatte", "reiheplatte", tr("Row of connectors in a slab")},
        {"tbReiheWand", "reihewand", tr("Row of connectors in wall")},
    }};
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QToolButton;
        knopf->setObjectName(QString::fromLatin1(knoepfe[i].name));
        knopf->setCheckable(true);
        knopf->setIcon(Symbol(knoepfe[i].symbol));
        knopf->setIconSize(QSize(35, 28));
        knopf->setAutoRaise(false);
        SetzeHinweis(knopf, knoepfe[i].hinweis);
        anwendungsfall_->addButton(knopf, i + 1); // the tag
        reihe->addWidget(knopf);
    }
    reihe->addStretch(1);
    connect(anwendungsfall_, &QButtonGroup::idClicked, this,
            &TEingabePanel::AnwendungsfallGewaehlt);
    raster->addWidget(leiste, zeile++, 0, 1, Spalten);
}

void TEingabePanel::BaueAuswahlen(QGridLayout* raster, int& zeile) {
    auto* gruppe = new QGroupBox(tr("Determination of reinforcement"));
    gruppe->setObjectName(QStringLiteral("rgBewehrungCalc"));
    auto* spalte = new QVBoxLayout(gruppe);
    spalte->setContentsMargins(6, 0, 6, 0);
    spalte->setSpacing(0);
    bewehrungCalc_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        bewehrungKnoepfe_[i] = new QRadioButton;
        bewehrungCalc_->addButton(bewehrungKnoepfe_[i], i);
        spalte->addWidget(bewehrungKnoepfe_[i]);
    }
    connect(bewehrungCalc_, &QButtonGroup::idClicked, this, [this, gruppe](int index) {
        const TBearbeitung bearbeitung(programm_, gruppe->title());
        Zeige(WaehleAuswahl(programm_.AktAnwendung(), Auswahl::BewehrungCalc, index));
    });
    raster->addWidget(gruppe, zeile++, 0, 1, Spalten);

    betonguete_ = new QComboBox;
    betonguete_->setObjectName(QStringLiteral("cboxBetonguete"));
    fugenbreite_ = new QComboBox;
    fugenbreite_->setObjectName(QStringLiteral("cBoxFugenbreite"));
    raster->addWidget(new QLabel(tr("Concrete quality")), zeile, SpalteText);
    raster->addWidget(Symbolzeichen(QStringLiteral("f"), QStringLiteral("cc")), zeile,
                      SpalteSymbol);
    raster->addWidget(betonguete_, zeile++, SpalteFeld);
    raster->addWidget(new QLabel(tr("Maximum joint width")), zeile, SpalteText);
    raster->addWidget(Symbolzeichen(QStringLiteral("f"), {}), zeile, SpalteSymbol);
    raster->addWidget(fugenbreite_, zeile++, SpalteFeld);
    betonguete_->setFixedWidth(FeldBreite());
    fugenbreite_->setFixedWidth(FeldBreite());
    betonguete_->setAccessibleName(tr("Concrete quality"));
    fugenbreite_->setAccessibleName(tr("Maximum joint width"));
    for (QComboBox* box : {betonguete_, fugenbreite_}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, box] {
            if (!aktualisiert_) {
                BearbeitungVormerken(programm_, box->accessibleName());
                emit eingabeGeaendert();
            }
        });
    }
    connect(betonguete_, &QComboBox::activated, this, [this](int index) {
        const TBearbeitung bearbeitung(programm_, betonguete_->accessibleName());
        Zeige(WaehleAuswahl(programm_.AktAnwendung(), Auswahl::Betonguete, index));
    });
    connect(fugenbreite_, &QComboBox::activated, this, [this](int index) {
        const TBearbeitung bearbeitung(programm_, fugenbreite_->accessibleName());
        Zeige(WaehleAuswahl(programm_.AktAnwendung(), Auswahl::Fugenbreite, index));
    });
}

void TEingabePanel::BaueGeometrie(QGridLayout* raster, int& zeile) {
    raster->addWidget(Ueberschrift(tr("Structural Geometry")), zeile++, 0, 1, Spalten);
    struct Zeilentext {
        const char* name;
        QString text;
        const char* zeichen;
        const char* index;
        Geometriefeld art;
    };
    // Display order: the wall row above the slab row, the edge rows (right above left)
    // after the effective depth.
    const std::array<Zeilentext, 9> zeilen{{
        {"meditWanddicke", tr("Wall thickness"), "d", "w", Geometriefeld::Wanddicke},
        {"meditPlatteDicke", tr("Slab thickness"), "d", "", Geometriefeld::Plattendicke},
        {"meditBetondeckungOben", tr("Concrete cover above"), "c", "o", Geometriefeld::DeckungOben},
        {"meditBetondeckungUnten", tr("Concrete cover below"), "c", "u",
         Geometriefeld::DeckungUnten},
        {"meditNutzhoehe", tr("eff. structural height"), "h", "m", Geometriefeld::Nutzhoehe},
        {"meditBauteilrandRechts", tr("Edge distance right"), "c", "R", Geometriefeld::RandRechts},
        {"meditBauteilrandLinks", tr("Edge distance left"), "c", "L", Geometriefeld::RandLinks},
        {"meditBetondeckungVorn", tr("Concrete cover to front"), "c", "1",
         Geometriefeld::DeckungVorn},
        {"meditFugenlaenge", tr("Joint length"), "l", "f", Geometriefeld::Fugenlaenge},
    }};
    for (const Zeilentext& z : zeilen) {
        const Feldvorgabe& v = Vorgabe(z.art);
        TZahlenFeld* feld = NeuesFeld(QString::fromLatin1(z.name), v.grenzen, v.leerwert,
                                      QString::fromLatin1(v.nulltext));
        auto* text = new QLabel(z.text);
        text->setBuddy(feld);
        feld->setAccessibleName(z.text); // also the name of its undo step
        QLabel* symbol =
            Symbolzeichen(QString::fromLatin1(z.zeichen), QString::fromLatin1(z.index));
        QLabel* einheit = Einheit(QStringLiteral("[mm]"));
        const std::string zeichen =
            std::string(z.zeichen) + (*z.index != '\0' ? std::string("_") + z.index : "");
        SetzeHinweis(feld,
                     Q(Feldhinweis(z.text.toStdString(), zeichen, v.grenzen, programm_.Trenner())));
        const Zeile teile{{text, symbol, feld, einheit}};
        geometrie_.push_back({feld, z.art, teile});
        if (z.art == Geometriefeld::Nutzhoehe || z.art == Geometriefeld::DeckungVorn) {
            // The derived effective depth and the front cover are never edited here: the
            // rows exist for their values but are not laid out and take no focus.
            for (QWidget* w : teile.teile) {
                w->setParent(this);
                w->hide();
            }
            feld->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        raster->addWidget(text, zeile, SpalteText);
        raster->addWidget(symbol, zeile, SpalteSymbol);
        raster->addWidget(feld, zeile, SpalteFeld);
        raster->addWidget(einheit, zeile, SpalteEinheit);
        ++zeile;
    }
    zeileWand_ = geometrie_[0].zeile;
    nutzhoehe_ = geometrie_[4].feld;
    zeileRandRechts_ = geometrie_[5].zeile;
    zeileRandLinks_ = geometrie_[6].zeile;
    zeileFugenlaenge_ = geometrie_[8].zeile;
    fugenlaenge_ = geometrie_[8].feld;
}

void TEingabePanel::BaueLasten(QGridLayout* raster, int& zeile) {
    lastKopf_ = Ueberschrift(tr("Distributed Load"));
    lastKopf_->setObjectName(QStringLiteral("lblLast"));
    raster->addWidget(lastKopf_, zeile++, 0, 1, Spalten);

    lastfallLeiste_ = new QWidget;
    lastfallLeiste_->setObjectName(QStringLiteral("tbarLastfall"));
    auto* reihe = new QHBoxLayout(lastfallLeiste_);
    reihe->setContentsMargins(0, 0, 0, 0);
    lastfall_ = new QButtonGroup(this);
    lastfall_->setExclusive(true);
    struct Knopf {
        const char* name;
        QString text;
        const char* symbol;
        QString hinweis;
    };
    const std::array<Knopf, 4> knoepfe{{
        {"tbPunktlast", tr("&Single load"), "punktlast", tr("Single load")},
        {"tbkonstanteLast", tr("&constant"), "konstantelast", tr("constant")},
        {"tbLinienlast", tr("&Uniformly"), "linienlast", tr("increasing distributed load")},
        {"tbbeliebigeLast", tr("&Arbitrary"), "beliebigelast", tr("Arbitrary")},
    }};
    for (int i = 0; i < 4; ++i) {
        auto* knopf = new QToolButton;
        knopf->setObjectName(QString::fromLatin1(knoepfe[i].name));
        knopf->setText(knoepfe[i].text);
        knopf->setIcon(Symbol(knoepfe[i].symbol));
        knopf->setIconSize(QSize(29, 18));
        knopf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        knopf->setCheckable(true);
        SetzeHinweis(knopf, knoepfe[i].hinweis);
        lastfall_->addButton(knopf, i + 1);
        lastfallKnoepfe_[i] = knopf;
        reihe->addWidget(knopf);
    }
    // The single load follows the application case only.
    lastfallKnoepfe_[Belastungsfall::Punktlast]->hide();
    reihe->addStretch(1);
    for (std::uint8_t fall :
         {Belastungsfall::Konstant, Belastungsfall::Linear, Belastungsfall::Beliebig}) {
        connect(lastfallKnoepfe_[fall], &QToolButton::clicked, this,
                [this, fall] { LastfallGewaehlt(fall); });
    }
    raster->addWidget(lastfallLeiste_, zeile++, 0, 1, Spalten);

    const std::array<QString, 6> texte{tr("Dead load"),        tr("Partial safety factor"),
                                       tr("Imposed load"),     tr("Partial safety factor"),
                                       tr("Add. design load"), tr("Total design load")};
    const std::array<Lastwert, 5> werte{Lastwert::Gk, Lastwert::Gg, Lastwert::Qk, Lastwert::Gq,
                                        Lastwert::F1};
    const std::array<const char*, 5> endungen{"g", "gg", "q", "gq", ""};
    // A zero factor shows as "0": the field must never show a number the model does not hold.
    const Feldvorgabe& vorgabe = Lastvorgabe();

    auto baueTeil = [&](bool linien) {
        auto* teil = new QWidget;
        auto* g = new QGridLayout(teil);
        g->setContentsMargins(0, 0, 0, 0);
        g->setHorizontalSpacing(6);
        g->setVerticalSpacing(1);
        g->setColumnStretch(0, 1);
        int z = 0;
        const QString einheit = linien ? QStringLiteral("[kN/m]") : QStringLiteral("[kN]");
        if (linien) {
            auto* kopfLinks = new QLabel(QStringLiteral("<i>q</i> ") + tr("left").toHtmlEscaped());
            auto* kopfRechts =
                new QLabel(QStringLiteral("<i>q</i> ") + tr("right").toHtmlEscaped());
            kopfLinks->setAlignment(Qt::AlignCenter);
            kopfRechts->setAlignment(Qt::AlignCenter);
            g->addWidget(kopfLinks, z, 1);
            g->addWidget(kopfRechts, z, 2);
            kopfLinks->setFixedWidth(FeldBreite());
            kopfRechts->setFixedWidth(FeldBreite());
            ++z;
        }
        std::vector<std::pair<Lastspalte*, Lastseite>> spalten;
        if (linien) {
            spalten = {{&links_, Lastseite::Links}, {&rechts_, Lastseite::Rechts}};
        } else {
            spalten = {{&punkt_, Lastseite::Punkt}};
        }
        for (int r = 0; r < 6; ++r) {
            if (r == 5) {
                auto* linie = new QFrame;
                linie->setFrameShape(QFrame::HLine);
                linie->setFrameShadow(QFrame::Sunken);
                g->addWidget(linie, z++, 0, 1, 2 + static_cast<int>(spalten.size()));
            }
            g->addWidget(new QLabel(texte[r]), z, 0);
            for (std::size_t s = 0; s < spalten.size(); ++s) {
                auto [spalte, seite] = spalten[s];
                const QString basis = seite == Lastseite::Punkt ? QStringLiteral("meditPunktlast")
                                      : seite == Lastseite::Links
                                          ? QStringLiteral("meditLinienlastLinks")
                                          : QStringLiteral("meditLinienlastRechts");
                TZahlenFeld* feld;
                if (r < 5) {
                    const Feldgrenzen grenzen = Lastgrenzen(seite, werte[r]);
                    feld = NeuesFeld(basis + QString::fromLatin1(endungen[r]), grenzen,
                                     vorgabe.leerwert, QString::fromLatin1(vorgabe.nulltext));
                    feld->setAccessibleName(texte[r]);
                    const QString name = seite == Lastseite::Punkt ? texte[r]
                                         : seite == Lastseite::Links
                                             ? texte[r] + QStringLiteral(", ") + tr("left")
                                             : texte[r] + QStringLiteral(", ") + tr("right");
                    SetzeHinweis(
                        feld, Q(Feldhinweis(name.toStdString(), {}, grenzen, programm_.Trenner())));
                    spalte->eingaben[r] = feld;
                    lastfelder_.push_back({feld, seite, werte[r]});
                } else {
                    feld = NeueSumme(basis + QStringLiteral("tot"));
                    spalte->summe = feld;
                }
                g->addWidget(feld, z, 1 + static_cast<int>(s));
            }
            g->addWidget(Einheit(r != 1 && r != 3 ? einheit : QString()), z,
                         1 + static_cast<int>(spalten.size()));
            ++z;
        }
        return teil;
    };
    punktlastTeil_ = baueTeil(false);
    linienlastTeil_ = baueTeil(true);
    raster->addWidget(punktlastTeil_, zeile++, 0, 1, Spalten);
    raster->addWidget(linienlastTeil_, zeile++, 0, 1, Spalten);
}

void TEingabePanel::FuelleListen(const TKTexttabellen& texte) {
    aktualisiert_ = true;
    for (std::size_t i = 0; i < bewehrungKnoepfe_.size(); ++i) {
        bewehrungKnoepfe_[i]->setText(Q(texte.BewehrungCalcTexte[i]));
    }
    betonguete_->clear();
    for (const std::string& s : texte.Betongueten) {
        betonguete_->addItem(Q(s));
    }
    fugenbreite_->clear();
    for (const std::string& s : texte.Fugenbreiten) {
        fugenbreite_->addItem(Q(s));
    }
    aktualisiert_ = false;
}

TZahlenFeld* TEingabePanel::Feld(const QString& name) const {
    return findChild<TZahlenFeld*>(name);
}

// ---------------------------------------------------------------- showing the model

void TEingabePanel::ZeigeLast(const Lastspalte& spalte, Lastseite seite) {
    const TKLast& last = Last(programm_.AktAnwendung().cBelastungDesign, seite);
    const char t = programm_.Trenner();
    // Order: total, additional design load, dead load, factor, imposed load, factor.
    spalte.summe->ZeigeWert(last.TFd(), t);
    spalte.eingaben[4]->ZeigeWert(last.TF1(), t);
    spalte.eingaben[0]->ZeigeWert(last.TGk(), t);
    spalte.eingaben[1]->ZeigeWert(last.Tgg(), t);
    spalte.eingaben[2]->ZeigeWert(last.TQk(), t);
    spalte.eingaben[3]->ZeigeWert(last.Tgq(), t);
}

void TEingabePanel::ZeigeLinienlasten() {
    ZeigeLast(links_, Lastseite::Links);
    ZeigeLast(rechts_, Lastseite::Rechts);
}

void TEingabePanel::ZeigeSummen() {
    const TKBelastung& b = programm_.AktAnwendung().cBelastungDesign;
    const char t = programm_.Trenner();
    punkt_.summe->ZeigeWert(b.cPunktlast.TFd(), t);
    links_.summe->ZeigeWert(b.cLinienLastLinks.TFd(), t);
    rechts_.summe->ZeigeWert(b.cLinienLastRechts.TFd(), t);
}

void TEingabePanel::Zeige(const Eingabefolgen& folgen) {
    if (folgen.nutzhoehe) {
        nutzhoehe_->ZeigeWert(programm_.AktAnwendung().cGeometrie.TNutzhoehe, programm_.Trenner());
    }
    if (folgen.summen) {
        ZeigeSummen();
    }
    if (folgen.layout) {
        ZeigeLayout();
    }
    if (folgen.linienlasten) {
        ZeigeLinienlasten();
    }
    if (folgen.eingabemodus) {
        emit eingabeGeaendert();
    }
}

void TEingabePanel::Aktualisiere() {
    TKAnwendung& a = programm_.AktAnwendung();
    const TKGeometrie& g = a.cGeometrie;
    const char t = programm_.Trenner();
    aktualisiert_ = true;
    for (const Geometriezeile& gz : geometrie_) {
        gz.feld->ZeigeWert(gz.art == Geometriefeld::Fugenlaenge
                               ? g.WirksameFugenlaenge()
                               : Geometriewert(a.cGeometrie, gz.art),
                           t);
    }
    ZeigeLast(punkt_, Lastseite::Punkt);
    ZeigeLinienlasten();
    if (a.TBewehrungCalc < bewehrungKnoepfe_.size()) {
        bewehrungKnoepfe_[a.TBewehrungCalc]->setChecked(true);
    }
    betonguete_->setCurrentIndex(a.TBetonguete < betonguete_->count() ? a.TBetonguete : -1);
    fugenbreite_->setCurrentIndex(g.TFugenbreite < fugenbreite_->count() ? g.TFugenbreite : -1);
    aktualisiert_ = false;
    // A position read from a file may hold a load case its case does not allow.
    Zeige(AnwendungsfallDurchsetzen(a));
    emit skizzeNeu();
}

void TEingabePanel::ZeigeLayout() {
    const TKAnwendung& a = programm_.AktAnwendung();
    const std::uint8_t fall = a.TAnwendungsfall;
    const std::uint8_t lastfall = a.cBelastungDesign.TBelastungsfall;
    if (QAbstractButton* k = anwendungsfall_->button(fall + 1)) {
        k->setChecked(true);
    }
    if (QAbstractButton* k = lastfall_->button(lastfall + 1)) {
        k->setChecked(true);
    }
    const bool einzeln = fall == Anwendungsfall::Einzeldorn;
    zeileWand_.Zeige(fall == Anwendungsfall::ReiheWand);
    zeileFugenlaenge_.Zeige(!einzeln);
    zeileRandRechts_.Zeige(einzeln);
    zeileRandLinks_.Zeige(einzeln);
    emit anwendungsfallGezeigt(fall);
    lastKopf_->setText(einzeln ? tr("Point Load") : tr("Distributed Load"));
    lastfallLeiste_->setVisible(!einzeln);

    punktlastTeil_->setVisible(lastfall == Belastungsfall::Punktlast);
    linienlastTeil_->setVisible(lastfall != Belastungsfall::Punktlast);
    if (lastfall == Belastungsfall::Beliebig) {
        // The points give the loading; the fields show the end values it starts from.
        const TKBelastung& b = a.cBelastungDesign;
        const char t = programm_.Trenner();
        links_.eingaben[4]->ZeigeWert(b.cLinienLastLinks.TFd(), QStringLiteral("0"), t);
        rechts_.eingaben[4]->ZeigeWert(b.cLinienLastRechts.TFd(), QStringLiteral("0"), t);
    }
    for (TZahlenFeld* f : links_.eingaben) {
        f->setEnabled(lastfall == Belastungsfall::Konstant || lastfall == Belastungsfall::Linear);
    }
    for (TZahlenFeld* f : rechts_.eingaben) {
        f->setEnabled(lastfall == Belastungsfall::Linear);
    }
}

// ---------------------------------------------------------------- field checks

bool TEingabePanel::Gemeldet(TZahlenFeld* feld, const std::optional<std::string>& meldung) {
    programm_.EingabeOK = !meldung;
    feld->SetzeFehler(meldung.has_value());
    if (!meldung) {
        return false;
    }
    programm_.plattform().Meldung(*meldung);
    // Back into the field; the field that had taken the focus meanwhile is not left.
    zurueck_ = true;
    feld->setFocus(Qt::OtherFocusReason);
    zurueck_ = false;
    return true;
}

bool TEingabePanel::FelderGueltig() {
    std::vector<TZahlenFeld*> felder;
    for (const Geometriezeile& gz : geometrie_) {
        felder.push_back(gz.feld);
    }
    for (const Lastfeld& lf : lastfelder_) {
        felder.push_back(lf.feld);
    }
    for (TZahlenFeld* feld : felder) {
        // A text shown from the model is not checked again: an emptied field's stored value
        // may lie outside the field's own bounds and is not reported.
        if (feld->isModified() && feld->isVisibleTo(this) && feld->isEnabled() &&
            Gemeldet(feld, PruefeFeld(feld->text().toStdString(), feld->Grenzen(),
                                      programm_.Trenner()))) {
            return false;
        }
    }
    return true;
}

void TEingabePanel::FeldVerlassen(TZahlenFeld* feld) {
    if (zurueck_ || !programm_.HatModell()) {
        return; // the program moves the focus back, or the window is going away
    }
    const std::string text = feld->text().toStdString();
    const char t = programm_.Trenner();
    TKAnwendung& a = programm_.AktAnwendung();
    TBearbeitung bearbeitung(programm_, feld->accessibleName());
    for (const Lastfeld& lf : lastfelder_) {
        if (lf.feld == feld) {
            const Eingabeergebnis e = LastEingeben(a, lf.seite, lf.wert, text, t);
            if (Gemeldet(feld, e.meldung)) {
                bearbeitung.Zurueckstellen();
            } else {
                EingabeUebernommen(*feld);
                Zeige(e.folgen);
                emit groesseNeu();
            }
            return;
        }
    }
    for (const Geometriezeile& gz : geometrie_) {
        if (gz.feld == feld) {
            const Eingabeergebnis e = GeometrieEingeben(a, gz.art, text, t);
            if (Gemeldet(feld, e.meldung)) {
                bearbeitung.Zurueckstellen();
            } else {
                EingabeUebernommen(*feld);
            }
            Zeige(e.folgen);
            emit groesseNeu();
            return;
        }
    }
}

void TEingabePanel::TextGeaendert(TZahlenFeld* feld) {
    if (feld->hasFocus() && !aktualisiert_) {
        // Typing hides the results before the field is left: that is part of its step.
        BearbeitungVormerken(programm_, feld->accessibleName());
        emit eingabeGeaendert();
    }
    if (programm_.HatModell() && RechteFolgtLinker(programm_.AktAnwendung().cBelastungDesign) &&
        feld != rechts_.eingaben[4]) {
        rechts_.eingaben[4]->setText(links_.eingaben[4]->text());
    }
}

// ---------------------------------------------------------------- buttons

void TEingabePanel::AnwendungsfallGewaehlt(int tag) {
    const TBearbeitung bearbeitung(programm_, tr("Application Case"));
    Zeige(WaehleAnwendungsfall(programm_.AktAnwendung(), static_cast<std::uint8_t>(tag - 1)));
    emit skizzeNeu();
    emit groesseNeu();
}

void TEingabePanel::LastfallGewaehlt(std::uint8_t fall) {
    // The arbitrary-load window belongs to the step of its button.
    const TBearbeitung bearbeitung(programm_, tr("Load case"));
    if (fall == Belastungsfall::Beliebig && fugenlaenge_->hasFocus()) {
        // The points start from the joint length being typed.
        FeldVerlassen(fugenlaenge_);
    }
    Zeige(WaehleLastfall(programm_.AktAnwendung(), fall));
    emit skizzeNeu();
    emit groesseNeu();
    if (fall == Belastungsfall::Beliebig) {
        emit beliebigeLastBearbeiten();
    }
}

} // namespace vsk
