#include "startprogram/StartupFenster.h"

#include "shell/Einstellungen.h"
#include "shell/Pfade.h"
#include "shell/Plattform.h"
#include "shell/Sprachmodule.h"
#include "shell/Winexecute.h"
#include "shell/ui/Sprachknopf.h"
#include "shell/ui/SvgBild.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <system_error>
#include <utility>

namespace vsk {

namespace fs = std::filesystem;

namespace {

QPixmap Bild(const QString& name, QSize groesse) {
    return SvgBild(QStringLiteral(":/startprogram/") + name, groesse);
}

QFont ArialPixel(int pixel, bool fett) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

constexpr int SprachknopfX = 84;
constexpr int MarkerX = 64;
constexpr int SprachknopfY[] = {205, 228, 251, 274, 297, 320};
constexpr int SprachIDs[] = {sprach_id::Englisch,    sprach_id::Deutsch,
                             sprach_id::Spanisch,    sprach_id::Franzoesisch,
                             sprach_id::Italienisch, sprach_id::Niederlaendisch};
constexpr const char* Sprachnamen[] = {"Eng", "Des", "Esp", "Fra", "Ita", "Nld"};

// Top-left corners of the two install labels.
constexpr QPoint BeschriftungSetupVSK{40, 416};
constexpr QPoint BeschriftungSetupArcobat{496, 32};

// The label as wide as its text, its top-left corner at the point; a translation too long
// for the window moves left just enough to stay inside it.
void SetzeBeschriftung(QLabel& label, QPoint ecke) {
    label.adjustSize();
    const int rechts = label.parentWidget() != nullptr ? label.parentWidget()->width() : 0;
    label.move(std::max(0, std::min(ecke.x(), rechts - label.width())), ecke.y());
}

} // namespace

TfrmStartup::TfrmStartup(Startumgebung umgebung, Plattform& plattform, Programmstarter& starter,
                         QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      umgebung_(std::move(umgebung)), plattform_(plattform), starter_(starter),
      sprachen_(umgebung_.programmdatei) {
    setObjectName(QStringLiteral("frmStartup"));
    ErzeugeSteuerelemente();
    UebersetzeTexte();
    FormCreate();
}

void TfrmStartup::ErzeugeSteuerelemente() {
    setFixedSize(640, 480);
    setFont(ArialPixel(12, false));
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0)); // silver behind the picture
    setPalette(farben);
    setAutoFillBackground(true);

    imgVSKSetupBild = new QLabel(this);
    imgVSKSetupBild->setObjectName(QStringLiteral("imgVSKSetupBild"));
    imgVSKSetupBild->setGeometry(0, 0, 640, 480);
    imgVSKSetupBild->setPixmap(Bild(QStringLiteral("VSKSetupBild.svg"), QSize(640, 480)));
    imgVSKSetupBild->setMouseTracking(true);
    imgVSKSetupBild->installEventFilter(this);

    QPalette weiss;
    weiss.setColor(QPalette::WindowText, Qt::white);

    lblUeberschrift = new QLabel(this);
    lblUeberschrift->setObjectName(QStringLiteral("lblUeberschrift"));
    lblUeberschrift->setGeometry(0, 8, 417, 48);
    lblUeberschrift->setAlignment(Qt::AlignCenter);
    lblUeberschrift->setWordWrap(true);
    lblUeberschrift->setFont(ArialPixel(21, true));
    lblUeberschrift->setPalette(weiss);

    BitBtnSetupVSK = new QPushButton(this);
    BitBtnSetupVSK->setObjectName(QStringLiteral("BitBtnSetupVSK"));
    BitBtnSetupVSK->setGeometry(64, 365, 100, 50);
    BitBtnSetupVSK->setIcon(QIcon(Bild(QStringLiteral("SetupVSK.svg"), QSize(40, 40))));
    BitBtnSetupVSK->setIconSize(QSize(40, 40));
    connect(BitBtnSetupVSK, &QPushButton::clicked, this, &TfrmStartup::BitBtnSetupVSKClick);

    lblSetupVSK = new QLabel(this);
    lblSetupVSK->setObjectName(QStringLiteral("lblSetupVSK"));
    lblSetupVSK->setPalette(weiss);

    BitBtnSetupArcobat = new QPushButton(this);
    BitBtnSetupArcobat->setObjectName(QStringLiteral("BitBtnSetupArcobat"));
    BitBtnSetupArcobat->setGeometry(507, 53, 100, 50);
    BitBtnSetupArcobat->setIcon(QIcon(Bild(QStringLiteral("SetupReader.svg"), QSize(40, 40))));
    BitBtnSetupArcobat->setIconSize(QSize(40, 40));
    connect(BitBtnSetupArcobat, &QPushButton::clicked, this, &TfrmStartup::BitBtnSetupArcobatClick);

    lblSetupArcobat = new QLabel(this);
    lblSetupArcobat->setObjectName(QStringLiteral("lblSetupArcobat"));
    lblSetupArcobat->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblSetupArcobat->setPalette(weiss);

    // Kept for the brochure notice; it stays hidden.
    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(347, 141, 260, 92);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setStyleSheet(QStringLiteral("QTextEdit { background: #A6CAF0; color: white; }"));
    Memo1->hide();

    const QPixmap marker = Bild(QStringLiteral("Marker.svg"), QSize(16, 16));
    for (std::size_t i = 0; i < sprachknoepfe_.size(); ++i) {
        Sprachknopf& s = sprachknoepfe_[i];
        s.id = SprachIDs[i];
        s.knopf = new TSprachknopf(Qt::white, this);
        s.knopf->setObjectName(QStringLiteral("sbtn") + QLatin1String(Sprachnamen[i]));
        s.knopf->setGeometry(SprachknopfX, SprachknopfY[i], 90, 20);
        s.marker = new QLabel(this);
        s.marker->setObjectName(QStringLiteral("img") + QLatin1String(Sprachnamen[i]));
        s.marker->setGeometry(MarkerX, SprachknopfY[i] + 2, 16, 16);
        s.marker->setPixmap(marker);
        s.marker->hide();
        const int id = s.id;
        connect(s.knopf, &QToolButton::clicked, this, [this, id] { SwitchLanguage(id); });
    }

    BitBtnEnde = new QPushButton(this);
    BitBtnEnde->setObjectName(QStringLiteral("BitBtnEnde"));
    BitBtnEnde->setGeometry(507, 442, 100, 30);
    connect(BitBtnEnde, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmStartup::FormCreate() {
    // The system's language when it is one of the buttons' and its module is there;
    // otherwise English without a message, since the user has chosen nothing yet (3082
    // among them: it is not a button's identifier).
    const int id = plattform_.SystemSprachID();
    bool bekannt = false;
    for (const Sprachknopf& s : sprachknoepfe_) {
        bekannt = bekannt || s.id == id;
    }
    if (bekannt && sprachen_.ModulVorhanden(id)) {
        SwitchLanguage(id);
    } else {
        ZeigeMarker(sprach_id::Englisch);
    }

    std::error_code fehler;
    auto leser = FindePfadOhneGrossKlein(umgebung_.arbeitsverzeichnis, "Acrobat/acroenu.exe");
    const bool mitLeser = leser && fs::is_regular_file(*leser, fehler);
    BitBtnSetupArcobat->setVisible(mitLeser);
    lblSetupArcobat->setVisible(mitLeser);
}

void TfrmStartup::FormActivate() {
    Memo1->clear();
    Memo1->append(tr("With the VSK program installation you can optionally install documents in "
                     "pdf-format (Brochure)."));
    Memo1->append(QString());
    Memo1->append(tr("To open these documents you need Acrobat Reader."));
    Memo1->selectAll();
    Memo1->setAlignment(Qt::AlignHCenter);
    Memo1->moveCursor(QTextCursor::Start);
}

void TfrmStartup::UebersetzeTexte() {
    setWindowTitle(tr("Tervo"));
    lblUeberschrift->setText(tr("Welcome to the installation of VSK calculation program"));
    lblSetupVSK->setText(tr("Install Calculation program"));
    lblSetupArcobat->setText(tr("Install Acrobat Reader"));
    SetzeBeschriftung(*lblSetupVSK, BeschriftungSetupVSK);
    SetzeBeschriftung(*lblSetupArcobat, BeschriftungSetupArcobat);
    BitBtnEnde->setText(tr("&Close"));
    if (!Memo1->document()->isEmpty()) {
        FormActivate();
    }
}

void TfrmStartup::FensterNeuEinlesen() {
    // The window as first built: no marker shown, texts from the current module.
    for (Sprachknopf& s : sprachknoepfe_) {
        s.marker->hide();
    }
    UebersetzeTexte();
}

void TfrmStartup::SwitchLanguage(int id) {
    if (!(id == sprach_id::Englisch && sprachen_.AnzahlSprachen() == 0)) {
        if (sprachen_.LadeSprachmodul(id)) {
            FensterNeuEinlesen();
        } else if (id == sprach_id::Englisch) {
            // English is built in: without its module the built-in texts return.
            sprachen_.EntferneModul();
            FensterNeuEinlesen();
        } else {
            plattform_.Meldung(tr("Selected language not available!").toStdString());
        }
    }
    ZeigeMarker(id);
}

void TfrmStartup::ZeigeMarker(int id) {
    const Markersprache sprache = MarkerFuer(id);
    const Markersprache reihe[] = {Markersprache::Englisch,    Markersprache::Deutsch,
                                   Markersprache::Spanisch,    Markersprache::Franzoesisch,
                                   Markersprache::Italienisch, Markersprache::Niederlaendisch};
    for (std::size_t i = 0; i < sprachknoepfe_.size(); ++i) {
        if (reihe[i] == sprache) {
            sprachknoepfe_[i].marker->show();
        }
    }
}

fs::path TfrmStartup::LogDatei() const {
    return umgebung_.tempverzeichnis / "VSKLog.INI";
}

void TfrmStartup::BitBtnSetupVSKClick() {
    TWinexecute launcher(starter_, TStartart::Startprogramm);
    launcher.setProgrammName("VSK Setup.exe");
    launcher.setProgrammPfad(MitBackslash(umgebung_.arbeitsverzeichnis.string()));
    launcher.setExecuteModus(TModus::Normal);
    if (launcher.Ausfuehren()) {
        SchreibeLaufwerk();
    } else {
        plattform_.Meldung(launcher.ErrorString());
    }
}

void TfrmStartup::BitBtnSetupArcobatClick() {
    // The folder as it is spelt on the disc.
    auto ordner = FindeOhneGrossKlein(umgebung_.arbeitsverzeichnis, "Acrobat");
    TWinexecute launcher(starter_, TStartart::Startprogramm);
    launcher.setProgrammName("acroenu.exe");
    launcher.setProgrammPfad(MitBackslash(umgebung_.arbeitsverzeichnis.string()) +
                             (ordner ? ordner->filename().string() : std::string("Acrobat")));
    launcher.setExecuteModus(TModus::Normal);
    if (!launcher.Ausfuehren()) {
        plattform_.Meldung(launcher.ErrorString());
    }
}

void TfrmStartup::SchreibeLaufwerk() {
    // No drive letters here: the installer is told where the disc is mounted.
    const std::string laufwerk =
        MitBackslash(Einhaengepunkt(umgebung_.programmdatei.parent_path()).string());
    Einstellungen log(LogDatei(), plattform_.Dezimaltrenner());
    try {
        log.WriteString("InstallDrive", "Drive", laufwerk);
    } catch (const SchreibFehler& fehler) {
        plattform_.Fehler(fehler.what());
    }
}

bool TfrmStartup::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QWidget::event(e);
}

void TfrmStartup::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        UebersetzeTexte();
    }
    QWidget::changeEvent(e);
}

bool TfrmStartup::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == imgVSKSetupBild && e->type() == QEvent::MouseMove) {
        Memo1->hide();
    }
    return QWidget::eventFilter(objekt, e);
}

} // namespace vsk
