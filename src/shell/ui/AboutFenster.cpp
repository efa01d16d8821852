#include "shell/ui/AboutFenster.h"

#include "shell/ui/SvgBild.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace vsk {

namespace {

constexpr int Breite = 686;
constexpr int Hoehe = 525;
const QColor Navy(0x00, 0x00, 0x80);

QFont Arial(int pixel, bool fett = false, bool kursiv = false) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    schrift.setItalic(kursiv);
    return schrift;
}

// The title band of the splash picture, across the whole box.
QPixmap Titelband(int hoehe) {
    return SvgBild(QStringLiteral(":/splash/Titelbild.svg"), QSize(Breite, hoehe),
                   QRectF(0, 0, Breite, Breite * 480.0 / 640.0), Qt::white);
}

void Farbe(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    p.setColor(QPalette::Text, farbe);
    p.setColor(QPalette::Disabled, QPalette::Text, farbe);
    w->setPalette(p);
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAbout"));
    ErzeugeSteuerelemente();
    FormCreate();
}

void TfrmAbout::ErzeugeSteuerelemente() {
    setFixedSize(Breite, Hoehe);
    setFont(Arial(12));
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    setAutoFillBackground(true);

    imgTitelbild = new QLabel(this);
    imgTitelbild->setObjectName(QStringLiteral("imgTitelbild"));
    imgTitelbild->setGeometry(0, 0, Breite, 140);
    imgTitelbild->setPixmap(Titelband(140));

    lblTitel = new QLabel(this);
    lblTitel->setGeometry(0, 148, Breite, 36);
    lblTitel->setAlignment(Qt::AlignCenter);
    lblTitel->setFont(Arial(27, true));
    Farbe(lblTitel, Navy);

    lblBeschreibung = new QLabel(this);
    lblBeschreibung->setGeometry(40, 188, Breite - 80, 36);
    lblBeschreibung->setAlignment(Qt::AlignCenter);
    lblBeschreibung->setWordWrap(true);

    const auto zeile = [this](QLabel*& titel, QLabel*& wert, int y) {
        titel = new QLabel(this);
        titel->setGeometry(40, y, 110, 18);
        wert = new QLabel(this);
        wert->setGeometry(150, y, 300, 18);
        wert->setFont(Arial(12, true, true));
        Farbe(wert, Navy);
    };
    zeile(lblVersion, lblVersionText, 232);
    zeile(lblDatum, lblDatumText, 252);

    lblHersteller = new QLabel(this);
    lblHersteller->setGeometry(40, 278, Breite - 80, 72);
    lblHersteller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHersteller->setWordWrap(true);

    memoHaftung = new QTextEdit(this);
    memoHaftung->setObjectName(QStringLiteral("memoHaftung"));
    memoHaftung->setGeometry(24, 354, Breite - 48, 122);
    memoHaftung->setReadOnly(true);
    memoHaftung->setEnabled(false);
    memoHaftung->setFont(Arial(13));
    Farbe(memoHaftung, Navy);

    BitBtnZurueck = new QPushButton(this);
    BitBtnZurueck->setObjectName(QStringLiteral("BitBtnZurueck"));
    BitBtnZurueck->setGeometry(Breite - 24 - 110, Hoehe - 40, 110, 30);
    BitBtnZurueck->setDefault(true);
    BitBtnZurueck->setAutoDefault(true);
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QDialog::accept);
}

QString TfrmAbout::Version() const {
    return tr("VSK - 2.0.3");
}

QString TfrmAbout::Datum() const {
    return tr("10.06.2009");
}

QString TfrmAbout::Haftungsausschluss() const {
    return tr("The maker accepts no liability for the information this program gives. Claims "
              "for direct or consequential damage cannot be considered.") +
           QLatin1Char('\n') +
           tr("Enter the input with care and check that every result is acceptable before "
              "you use it.") +
           QLatin1Char('\n') +
           tr("The program is not guaranteed to run on present or future operating systems.") +
           QLatin1Char('\n') +
           tr("The maker may change the design and the technical data of the products without "
              "notice.") +
           QLatin1Char('\n') +
           tr("Please report program errors to the maker with full details of the input and "
              "of what happened.");
}

void TfrmAbout::FormCreate() {
    setWindowTitle(tr("About Tervo Shear Connectors"));
    lblTitel->setText(tr("Tervo - VSK / VSKQ Shear Connectors"));
    lblBeschreibung->setText(tr("This program will enable the calculation of VSK and VSKQ "
                                "shear connectors supporting higher transverse loads"));
    lblVersion->setText(tr("Version:"));
    lblVersionText->setText(Version());
    lblDatum->setText(tr("Created on:"));
    lblDatumText->setText(Datum());
    lblHersteller->setText(tr("© Tervo Connector Systems. All rights reserved.") +
                           QLatin1Char('\n') + tr("Telephone: +41 00 000 00 00") +
                           QLatin1Char('\n') + tr("E-mail: support@tervo.example") +
                           QLatin1Char('\n') + tr("Internet: www.tervo.example"));
    memoHaftung->setPlainText(Haftungsausschluss());
    memoHaftung->selectAll();
    memoHaftung->setAlignment(Qt::AlignHCenter);
    memoHaftung->moveCursor(QTextCursor::Start);
    BitBtnZurueck->setText(tr("&Back"));
    const QString hinweis = tr("Back to main window | Back to main window");
    BitBtnZurueck->setToolTip(hinweis.section(QLatin1Char('|'), 0, 0).trimmed());
    BitBtnZurueck->setStatusTip(hinweis.section(QLatin1Char('|'), 1).trimmed());
}

void TfrmAbout::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        FormCreate();
    }
    QDialog::changeEvent(e);
}

} // namespace vsk
