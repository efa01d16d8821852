#include "shell/ui/SplashFenster.h"

#include "shell/Einstellungen.h"
#include "shell/Plattform.h"
#include "shell/Sprachmodule.h"
#include "shell/qt/Sprachumschaltung.h"
#include "shell/ui/FensterNeuEinlesen.h"
#include "shell/ui/Hilfe.h"
#include "shell/ui/Sprachknopf.h"
#include "shell/ui/SvgBild.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <utility>

namespace vsk {

namespace {

QPixmap Bild(const QString& name, QSize groesse) {
    return SvgBild(QStringLiteral(":/splash/") + name, groesse);
}

constexpr int KnopfX = 84;
constexpr int MarkerX = 64;
constexpr int KnopfY[] = {205, 228, 251, 274, 297, 320};
constexpr int SprachIDs[] = {sprach_id::Englisch,    sprach_id::Deutsch,
                             sprach_id::Spanisch,    sprach_id::Franzoesisch,
                             sprach_id::Italienisch, sprach_id::Niederlaendisch};
constexpr Markersprache Marker[] = {Markersprache::Englisch,    Markersprache::Deutsch,
                                    Markersprache::Spanisch,    Markersprache::Franzoesisch,
                                    Markersprache::Italienisch, Markersprache::Niederlaendisch};
constexpr const char* Namen[] = {"Eng", "Des", "Esp", "Fra", "Ita", "Nld"};

} // namespace

TfrmSplash::TfrmSplash(Sprachumschaltung& sprachen, Einstellungen& einstellungen,
                       Plattform& plattform, std::filesystem::path programmdatei, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      sprachen_(sprachen), einstellungen_(einstellungen), plattform_(plattform),
      programmdatei_(std::move(programmdatei)) {
    setObjectName(QStringLiteral("frmSplash"));
    ErzeugeSteuerelemente();
    UebersetzeTexte();
    FormCreate();
}

void TfrmSplash::ErzeugeSteuerelemente() {
    setFixedSize(640, 480);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(12);
    setFont(schrift);
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);

    imgTitelbild = new QLabel(this);
    imgTitelbild->setObjectName(QStringLiteral("imgTitelbild"));
    imgTitelbild->setGeometry(0, 0, 640, 480);
    imgTitelbild->setPixmap(Bild(QStringLiteral("Titelbild.svg"), QSize(640, 480)));

    lblUntertitel = new QLabel(this);
    lblUntertitel->setObjectName(QStringLiteral("lblUntertitel"));
    lblUntertitel->setGeometry(230, 392, 380, 36);
    lblUntertitel->setWordWrap(true);
    lblUntertitel->setAlignment(Qt::AlignCenter);
    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0x0b, 0x2a, 0x5b));
    lblUntertitel->setPalette(navy);

    const QPixmap marker = Bild(QStringLiteral("Marker.svg"), QSize(16, 16));
    for (std::size_t i = 0; i < knoepfe_.size(); ++i) {
        Knopf& k = knoepfe_[i];
        k.id = SprachIDs[i];
        k.sbtn = new TSprachknopf(navy.color(QPalette::WindowText), this);
        k.sbtn->setObjectName(QStringLiteral("sbtn") + QLatin1String(Namen[i]));
        k.sbtn->setGeometry(KnopfX, KnopfY[i], 90, 20);
        k.sbtn->setFocusPolicy(Qt::TabFocus);
        k.img = new QLabel(this);
        k.img->setObjectName(QStringLiteral("img") + QLatin1String(Namen[i]));
        k.img->setGeometry(MarkerX, KnopfY[i] + 2, 16, 16);
        k.img->setPixmap(marker);
        k.img->hide();
        const int id = k.id;
        connect(k.sbtn, &QToolButton::clicked, this, [this, id] { SwitchLanguage(id); });
    }

    BitBtnStart = new QPushButton(this);
    BitBtnStart->setObjectName(QStringLiteral("BitBtnStart"));
    BitBtnStart->setGeometry(490, 436, 130, 28);
    BitBtnStart->setDefault(true);
    BitBtnStart->setAutoDefault(true);
    connect(BitBtnStart, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmSplash::FormCreate() {
    tag_ = einstellungen_.ReadInteger("Anwenderdaten", "IDSprache", plattform_.SystemSprachID());
    if (Lade(tag_)) {
        // As if the stored language had been chosen, except that nothing is written at
        // start-up: the stored value is the one just read, or the system's default.
        NeuEinlesen();
        SetzeHilfedatei();
        ZeigeMarker(tag_);
    } else {
        ZeigeMarker(sprach_id::Englisch);
    }
}

void TfrmSplash::SwitchLanguage(int id) {
    if (id == sprach_id::Englisch && sprachen_.AnzahlSprachen() == 0) {
        SetzeHilfedatei();
        ZeigeMarker(sprach_id::Englisch);
        return;
    }
    if (Lade(id)) {
        NeuEinlesen();
    } else if (id == sprach_id::Englisch) {
        // English is built in: without its module the built-in texts come back.
        sprachen_.EntferneModul();
        NeuEinlesen();
    } else {
        plattform_.Meldung(tr("Selected language not available!").toStdString());
    }
    SetzeHilfedatei();
    ZeigeMarker(id);
    try {
        einstellungen_.WriteInteger("Anwenderdaten", "IDSprache", id);
    } catch (const SchreibFehler& fehler) {
        plattform_.Fehler(fehler.what());
    }
}

bool TfrmSplash::Lade(int id) {
    // Spanish (modern sort), the Spanish of most systems, also takes the module of the
    // Spanish button: the language is the same.
    return sprachen_.LadeSprachmodul(id) ||
           (id == sprach_id::SpanischModern && sprachen_.LadeSprachmodul(sprach_id::Spanisch));
}

void TfrmSplash::NeuEinlesen() {
    for (Knopf& k : knoepfe_) {
        k.img->hide();
    }
    FensterNeuEinlesen();
}

void TfrmSplash::SetzeHilfedatei() {
    Hilfe::SetzeVerzeichnis(programmdatei_.parent_path() / "help");
}

void TfrmSplash::ZeigeMarker(int id) {
    const Markersprache sprache = MarkerFuer(id);
    for (std::size_t i = 0; i < knoepfe_.size(); ++i) {
        if (Marker[i] == sprache) {
            knoepfe_[i].img->show();
        }
    }
}

bool TfrmSplash::MarkerSichtbar(int id) const {
    for (const Knopf& k : knoepfe_) {
        if (k.id == id) {
            return !k.img->isHidden();
        }
    }
    return false;
}

QToolButton* TfrmSplash::Sprachknopf(int id) const {
    for (const Knopf& k : knoepfe_) {
        if (k.id == id) {
            return k.sbtn;
        }
    }
    return nullptr;
}

void TfrmSplash::UebersetzeTexte() {
    setWindowTitle(tr("Tervo - VSK / VSKQ Shear Connectors"));
    lblUntertitel->setText(tr("Design of stainless-steel shear connectors across expansion "
                              "joints"));
    BitBtnStart->setText(tr("&Start Program"));
    // A longer caption widens the button to the left; its right edge stays in place.
    const int breite = std::max(130, BitBtnStart->sizeHint().width() + 12);
    BitBtnStart->setGeometry(620 - breite, 436, breite, 28);
    const char* sprachen[] = {QT_TR_NOOP("English"), QT_TR_NOOP("German"),  QT_TR_NOOP("Spanish"),
                              QT_TR_NOOP("French"),  QT_TR_NOOP("Italian"), QT_TR_NOOP("Dutch")};
    for (std::size_t i = 0; i < knoepfe_.size(); ++i) {
        knoepfe_[i].sbtn->setToolTip(tr(sprachen[i]));
        knoepfe_[i].sbtn->setAccessibleName(tr(sprachen[i]));
    }
}

void TfrmSplash::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        UebersetzeTexte();
    }
    QDialog::changeEvent(e);
}

} // namespace vsk
