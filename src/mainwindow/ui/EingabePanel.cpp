#include "mainwindow/ui/EingabePanel.h"

#include "mainwindow/ui/Hinweise.h"
#include "mainwindow/ui/Symbole.h"
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
    connect(bewehrungCalc_, &QButtonGroup::idClicked, this, [this](int index) {
        TKAnwendung& a = programm_.AktAnwendung();
        if (index != a.TBewehrungCalc) {
            emit eingabeGeaendert();
            a.TBewehrungCalc = static_cast<std::uint8_t>(index);
        }
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
    for (QComboBox* box : {betonguete_, fugenbreite_}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!aktualisiert_) {
                emit eingabeGeaendert();
            }
        });
    }
    connect(betonguete_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) {
            programm_.AktAnwendung().TBetonguete = static_cast<std::uint8_t>(index);
        }
    });
    connect(fugenbreite_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) {
            programm_.AktAnwendung().cGeometrie.TFugenbreite = static_cast<std::uint8_t>(index);
        }
    });
}

void TEingabePanel::BaueGeometrie(QGridLayout* raster, int& zeile) {
    raster->addWidget(Ueberschrift(tr("Structural Geometry")), zeile++, 0, 1, Spalten);
    struct Vorgabe {
        const char* name;
        QString text;
        const char* zeichen;
        const char* index;
        Feldgrenzen grenzen;
        double leer;
        const char* null;
        double TKGeometrie::*wert;
    };
    const Feldgrenzen ab160{Pruefmodus::NurUnten, 160, 0};
    const Feldgrenzen ab100{Pruefmodus::NurUnten, 100, 0};
    const Feldgrenzen ab10{Pruefmodus::NurUnten, 10, 0};
    const Feldgrenzen ab120{Pruefmodus::NurUnten, 120, 0};
    const Feldgrenzen fuge{Pruefmodus::Beide, 300, 30000};
    // Display order: the wall row above the slab row, the edge rows (right above left)
    // after the effective depth.
    const std::array<Vorgabe, 9> vorgaben{{
        {"meditWanddicke", tr("Wall thickness"), "d", "w", ab100, 300, "300",
         &TKGeometrie::TWandDicke},
        {"meditPlatteDicke", tr("Slab thickness"), "d", "", ab160, 160, "160",
         &TKGeometrie::TPlatteDicke},
        {"meditBetondeckungOben", tr("Concrete cover above"), "c", "o", ab10, 30, "30",
         &TKGeometrie::TBetondeckungOben},
        {"meditBetondeckungUnten", tr("Concrete cover below"), "c", "u", ab10, 30, "30",
         &TKGeometrie::TBetondeckungUnten},
        {"meditNutzhoehe", tr("eff. structural height"), "h", "m", ab10, 120, "120",
         &TKGeometrie::TNutzhoehe},
        {"meditBauteilrandRechts", tr("Edge distance right"), "c", "R", ab120, 0.5, "0",
         &TKGeometrie::TBauteilRandRechts},
        {"meditBauteilrandLinks", tr("Edge distance left"), "c", "L", ab120, 0.5, "0",
         &TKGeometrie::TBauteilRandLinks},
        {"meditBetondeckungVorn", tr("Concrete cover to front"), "c", "1", ab10, 30, "30",
         &TKGeometrie::TBetondeckungVorn},
        {"meditFugenlaenge", tr("Joint length"), "l", "f", fuge, 2, "2",
         &TKGeometrie::TFugenlaenge},
    }};
    for (const Vorgabe& v : vorgaben) {
        TZahlenFeld* feld =
            NeuesFeld(QString::fromLatin1(v.name), v.grenzen, v.leer, QString::fromLatin1(v.null));
        auto* text = new QLabel(v.text);
        text->setBuddy(feld);
        QLabel* symbol =
            Symbolzeichen(QString::fromLatin1(v.zeichen), QString::fromLatin1(v.index));
        QLabel* einheit = Einheit(QStringLiteral("[mm]"));
        const Zeile teile{{text, symbol, feld, einheit}};
        geometrie_.push_back({feld, v.wert, teile});
        if (v.wert == &TKGeometrie::TNutzhoehe || v.wert == &TKGeometrie::TBetondeckungVorn) {
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
    plattendicke_ = geometrie_[1].feld;
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
    lastfallKnoepfe_[0]->hide(); // the single load follows the application case only
    reihe->addStretch(1);
    connect(lastfallKnoepfe_[1], &QToolButton::clicked, this, &TEingabePanel::LastfallKonstant);
    connect(lastfallKnoepfe_[2], &QToolButton::clicked, this, &TEingabePanel::LastfallLinear);
    connect(lastfallKnoepfe_[3], &QToolButton::clicked, this, &TEingabePanel::LastfallBeliebig);
    raster->addWidget(lastfallLeiste_, zeile++, 0, 1, Spalten);

    const std::array<QString, 6> texte{tr("Dead load"),        tr("Partial safety factor"),
                                       tr("Imposed load"),     tr("Partial safety factor"),
                                       tr("Add. design load"), tr("Total design load")};
    const std::array<Lastwert, 5> werte{Lastwert::Gk, Lastwert::Gg, Lastwert::Qk, Lastwert::Gq,
                                        Lastwert::F1};
    const std::array<const char*, 5> endungen{"g", "gg", "q", "gq", ""};
    // A zero factor shows as "0": the field must never show a number the model does not hold.
    const std::array<const char*, 5> nulltexte{"0", "0", "0", "0", "0"};
    const Feldgrenzen ab0{Pruefmodus::NurUnten, 0, 0};

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
                    feld = NeuesFeld(basis + QString::fromLatin1(endungen[r]), ab0, 0,
                                     QString::fromLatin1(nulltexte[r]));
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

// ---------------------------------------------------------------- model access

TKLast& TEingabePanel::Last(Lastseite seite) {
    TKBelastung& b = programm_.AktAnwendung().cBelastungDesign;
    switch (seite) {
    case Lastseite::Punkt:
        return b.cPunktlast;
    case Lastseite::Links:
        return b.cLinienLastLinks;
    case Lastseite::Rechts:
        break;
    }
    return b.cLinienLastRechts;
}

double TEingabePanel::LeseLastwert(const TKLast& last, Lastwert wert) {
    switch (wert) {
    case Lastwert::Gk:
        return last.TGk();
    case Lastwert::Gg:
        return last.Tgg();
    case Lastwert::Qk:
        return last.TQk();
    case Lastwert::Gq:
        return last.Tgq();
    case Lastwert::F1:
        break;
    }
    return last.TF1();
}

void TEingabePanel::SetzeLastwert(TKLast& last, Lastwert wert, double v) {
    switch (wert) {
    case Lastwert::Gk:
        last.setTGk(v);
        return;
    case Lastwert::Gg:
        last.setTgg(v);
        return;
    case Lastwert::Qk:
        last.setTQk(v);
        return;
    case Lastwert::Gq:
        last.setTgq(v);
        return;
    case Lastwert::F1:
        last.setTF1(v);
        return;
    }
}

void TEingabePanel::ZeigeLast(const Lastspalte& spalte, const TKLast& last) {
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
    ZeigeLast(links_, Last(Lastseite::Links));
    ZeigeLast(rechts_, Last(Lastseite::Rechts));
}

// ---------------------------------------------------------------- refresh and layouts

void TEingabePanel::Aktualisiere() {
    TKAnwendung& a = programm_.AktAnwendung();
    const TKGeometrie& g = a.cGeometrie;
    const char t = programm_.Trenner();
    aktualisiert_ = true;
    for (const Geometriefeld& gf : geometrie_) {
        if (gf.feld == fugenlaenge_) {
            gf.feld->ZeigeWert(g.WirksameFugenlaenge(), t);
        } else {
            gf.feld->ZeigeWert(g.*(gf.wert), t);
        }
    }
    ZeigeLast(punkt_, Last(Lastseite::Punkt));
    ZeigeLinienlasten();
    if (a.TBewehrungCalc < bewehrungKnoepfe_.size()) {
        bewehrungKnoepfe_[a.TBewehrungCalc]->setChecked(true);
    }
    betonguete_->setCurrentIndex(a.TBetonguete < betonguete_->count() ? a.TBetonguete : -1);
    fugenbreite_->setCurrentIndex(g.TFugenbreite < fugenbreite_->count() ? g.TFugenbreite : -1);
    if (QAbstractButton* k = anwendungsfall_->button(a.TAnwendungsfall + 1)) {
        k->setChecked(true);
    }
    if (QAbstractButton* k = lastfall_->button(a.cBelastungDesign.TBelastungsfall + 1)) {
        k->setChecked(true);
    }
    aktualisiert_ = false;
    ZeigeAnwendungsfall(a.TAnwendungsfall);
    ZeigeLastfall(programm_.AktAnwendung().cBelastungDesign.TBelastungsfall);
}

void TEingabePanel::ZeigeAnwendungsfall(int fall) {
    TKAnwendung& a = programm_.AktAnwendung();
    TKGeometrie& g = a.cGeometrie;
    if (fall == 0) {
        zeileWand_.Zeige(false);
        zeileFugenlaenge_.Zeige(false);
        g.TRandLinks = 1;
        g.TRandRechts = 1;
        zeileRandRechts_.Zeige(true);
        zeileRandLinks_.Zeige(true);
    } else {
        g.TRandLinks = 0;
        g.TRandRechts = 0;
        zeileRandRechts_.Zeige(false);
        zeileRandLinks_.Zeige(false);
        zeileFugenlaenge_.Zeige(true);
        zeileWand_.Zeige(fall == 2);
    }
    emit anwendungsfallGezeigt(fall);
    if (fall != 0) {
        lastKopf_->setText(tr("Distributed Load"));
        lastfallLeiste_->show();
        if (a.cBelastungDesign.TBelastungsfall == 0) {
            LastfallGewaehlt(2);
            lastfallKnoepfe_[2]->setChecked(true);
        }
    } else {
        lastKopf_->setText(tr("Point Load"));
        lastfallLeiste_->hide();
        LastfallGewaehlt(0);
        lastfallKnoepfe_[0]->setChecked(true);
    }
    emit eingabeGeaendert();
    emit skizzeNeu();
}

void TEingabePanel::ZeigeLastfall(int fall) {
    punktlastTeil_->setVisible(fall == 0);
    linienlastTeil_->setVisible(fall != 0);
    if (fall == 3) {
        const char t = programm_.Trenner();
        links_.eingaben[4]->ZeigeWert(Last(Lastseite::Links).TFd(), QStringLiteral("0"), t);
        rechts_.eingaben[4]->ZeigeWert(Last(Lastseite::Rechts).TFd(), QStringLiteral("0"), t);
    }
    for (TZahlenFeld* f : links_.eingaben) {
        f->setEnabled(fall == 1 || fall == 2);
    }
    for (TZahlenFeld* f : rechts_.eingaben) {
        f->setEnabled(fall == 2);
    }
    emit eingabeGeaendert();
    emit skizzeNeu();
}

// ---------------------------------------------------------------- field checks

bool TEingabePanel::Pruefe(TZahlenFeld* feld) {
    const std::string text = feld->text().toStdString();
    std::optional<std::string> meldung = PruefeFeld(text, feld->Grenzen(), programm_.Trenner());
    programm_.EingabeOK = !meldung;
    if (!meldung) {
        return true;
    }
    programm_.plattform().Meldung(*meldung);
    // Back into the field; the field that had taken the focus meanwhile is not left.
    zurueck_ = true;
    feld->setFocus(Qt::OtherFocusReason);
    zurueck_ = false;
    return false;
}

bool TEingabePanel::FelderGueltig() {
    std::vector<TZahlenFeld*> felder;
    for (const Geometriefeld& g : geometrie_) {
        felder.push_back(g.feld);
    }
    for (const Lastfeld& lf : lastfelder_) {
        felder.push_back(lf.feld);
    }
    for (TZahlenFeld* feld : felder) {
        // A text shown from the model is not checked again: an emptied field's stored value
        // may lie outside the field's own bounds and is not reported.
        if (feld->isModified() && feld->isVisibleTo(this) && feld->isEnabled() && !Pruefe(feld)) {
            return false;
        }
    }
    return true;
}

void TEingabePanel::FeldVerlassen(TZahlenFeld* feld) {
    if (zurueck_ || !programm_.HatModell()) {
        return; // the program moves the focus back, or the window is going away
    }
    for (const Lastfeld& lf : lastfelder_) {
        if (lf.feld == feld) {
            LastVerlassen(lf);
            return;
        }
    }
    GeometrieVerlassen(feld);
}

void TEingabePanel::GeometrieVerlassen(TZahlenFeld* feld) {
    auto it = std::find_if(geometrie_.begin(), geometrie_.end(),
                           [feld](const Geometriefeld& g) { return g.feld == feld; });
    if (it == geometrie_.end()) {
        return;
    }
    TKGeometrie& g = programm_.AktAnwendung().cGeometrie;
    if (Pruefe(feld)) {
        const double wert =
            LeseWert(feld->text().toStdString(), feld->Leerwert(), programm_.Trenner());
        g.*(it->wert) = wert;
        if (feld == plattendicke_) {
            g.TNutzhoehe = g.TPlatteDicke - 40;
            nutzhoehe_->ZeigeWert(g.TNutzhoehe, QStringLiteral("120"), programm_.Trenner());
        }
    }
    if (feld == fugenlaenge_) {
        programm_.AktAnwendung().cBelastungDesign.SetLastLaenge(g.WirksameFugenlaenge());
    }
    emit groesseNeu();
}

void TEingabePanel::LastVerlassen(const Lastfeld& lf) {
    if (!Pruefe(lf.feld)) {
        return;
    }
    const char t = programm_.Trenner();
    const double wert = LeseWert(lf.feld->text().toStdString(), 0, t);
    TKAnwendung& a = programm_.AktAnwendung();
    TKBelastung& b = a.cBelastungDesign;
    SetzeLastwert(Last(lf.seite), lf.wert, wert);
    switch (lf.seite) {
    case Lastseite::Punkt:
        punkt_.summe->ZeigeWert(b.cPunktlast.TFd(), t);
        break;
    case Lastseite::Links:
        if (b.TBelastungsfall == 1) {
            // A constant load has one value: the right end follows the left one.
            SetzeLastwert(b.cLinienLastRechts, lf.wert, wert);
            rechts_.summe->ZeigeWert(b.cLinienLastRechts.TFd(), t);
        }
        links_.summe->ZeigeWert(b.cLinienLastLinks.TFd(), t);
        b.ClassifyLinienLast();
        break;
    case Lastseite::Rechts:
        rechts_.summe->ZeigeWert(b.cLinienLastRechts.TFd(), t);
        b.ClassifyLinienLast();
        break;
    }
    emit groesseNeu();
}

void TEingabePanel::TextGeaendert(TZahlenFeld* feld) {
    if (feld->hasFocus() && !aktualisiert_) {
        emit eingabeGeaendert();
    }
    if (programm_.HatModell() && programm_.AktAnwendung().cBelastungDesign.TBelastungsfall == 1 &&
        feld != rechts_.eingaben[4]) {
        rechts_.eingaben[4]->setText(links_.eingaben[4]->text());
    }
}

// ---------------------------------------------------------------- buttons

void TEingabePanel::AnwendungsfallGewaehlt(int tag) {
    TKAnwendung& a = programm_.AktAnwendung();
    a.TAnwendungsfall = static_cast<std::uint8_t>(tag - 1);
    ZeigeAnwendungsfall(a.TAnwendungsfall);
    emit eingabeGeaendert();
    emit skizzeNeu();
}

void TEingabePanel::LastfallGewaehlt(int fall) {
    programm_.AktAnwendung().cBelastungDesign.TBelastungsfall = static_cast<std::uint8_t>(fall);
    ZeigeLastfall(fall);
    emit eingabeGeaendert();
    emit skizzeNeu();
    emit groesseNeu();
}

void TEingabePanel::LastfallKonstant() {
    rechts_.eingaben[4]->setText(links_.eingaben[4]->text());
    const double summe = LeseWert(links_.summe->text().toStdString(), 0, programm_.Trenner());
    TKBelastung& b = programm_.AktAnwendung().cBelastungDesign;
    b.cLinienLastLinks.SetFdDirekt(summe);
    b.cLinienLastRechts.SetFdDirekt(summe);
    b.ClassifyLinienLast();
    LastfallGewaehlt(1);
    // The loads are now pure design values; the fields must show what the model holds.
    ZeigeLinienlasten();
}

void TEingabePanel::LastfallLinear() {
    LastfallGewaehlt(2);
    const char t = programm_.Trenner();
    TKBelastung& b = programm_.AktAnwendung().cBelastungDesign;
    b.cLinienLastLinks.SetFdDirekt(LeseWert(links_.summe->text().toStdString(), 0, t));
    b.cLinienLastRechts.SetFdDirekt(LeseWert(rechts_.summe->text().toStdString(), 0, t));
    b.ClassifyLinienLast();
    ZeigeLinienlasten();
}

void TEingabePanel::LastfallBeliebig() {
    if (fugenlaenge_->hasFocus()) {
        GeometrieVerlassen(fugenlaenge_);
    }
    TKAnwendung& a = programm_.AktAnwendung();
    TKBelastung& b = a.cBelastungDesign;
    if (b.PunktCount() > 0) {
        b.SetPunkt(0, 0, b.cLinienLastLinks.TFd());
        b.SetPunkt(b.PunktCount() - 1, a.cGeometrie.WirksameFugenlaenge(),
                   b.cLinienLastRechts.TFd());
    }
    LastfallGewaehlt(3);
    emit beliebigeLastBearbeiten();
}

} // namespace vsk
