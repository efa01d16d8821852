#include "model/ui/ProjektdatenFenster.h"

#include "model/Projektdaten.h"
#include "shell/Plattform.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vsk {

TfrmProjektdaten::TfrmProjektdaten(Plattform& plattform, QWidget* parent)
    : TDialogFenster(parent), plattform_(plattform) {
    setObjectName(QStringLiteral("frmProjektdaten"));
    setWindowTitle(tr("Project Data"));
    // Fixed size, no window buttons but the caption.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    EnterAlsTab(true);

    auto* ueberschrift = new QLabel(tr("Project Data"));
    QFont gross = ueberschrift->font();
    gross.setBold(true);
    gross.setPointSize(gross.pointSize() + 2);
    ueberschrift->setFont(gross);

    editBauvorhaben = new QLineEdit;
    editBauvorhaben->setObjectName(QStringLiteral("editBauvorhaben"));
    SetzeHinweis(editBauvorhaben,
                 tr("Description of building project|Entry of the description of the building "
                    "project to be calculated"));
    memoFirma = new QPlainTextEdit;
    memoFirma->setObjectName(QStringLiteral("memoFirma"));
    memoFirma->setTabChangesFocus(true);
    SetzeHinweis(memoFirma, tr("Details planning office/firm (more lines)"));
    editBearbeiter = new QLineEdit;
    editBearbeiter->setObjectName(QStringLiteral("editBearbeiter"));
    SetzeHinweis(editBearbeiter, tr("Entry of the name of the person in charge"));
    editDatum = new QLineEdit;
    editDatum->setObjectName(QStringLiteral("editDatum"));
    SetzeHinweis(editDatum, tr("Entry of date of the work"));

    auto knopf = [this](const QString& text, const char* name, const QString& hinweis) {
        auto* b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        SetzeHinweis(b, hinweis);
        return b;
    };
    BitBtnHeute = knopf(tr("&Today"), "BitBtnHeute", tr("Installation of today's date"));
    const Dialogknoepfe knoepfe = BaueDialogknoepfe(QStringLiteral("MaskeProjektdaten"));
    BitBtnOK = knoepfe.ok;
    BitBtnAbbrechen = knoepfe.abbrechen;
    BitBtnHilfe = knoepfe.hilfe;

    auto beschriftet = [](const QString& text, QWidget* feld) {
        auto* l = new QLabel(text);
        l->setBuddy(feld);
        return l;
    };
    auto* raster = new QGridLayout;
    raster->addWidget(ueberschrift, 0, 0, 1, 3);
    raster->addWidget(beschriftet(tr("Project:"), editBauvorhaben), 1, 0);
    raster->addWidget(editBauvorhaben, 1, 1, 1, 2);
    raster->addWidget(beschriftet(tr("Company"), memoFirma), 2, 0, Qt::AlignTop);
    raster->addWidget(memoFirma, 2, 1, 1, 2);
    raster->addWidget(beschriftet(tr("Designer:"), editBearbeiter), 3, 0);
    raster->addWidget(editBearbeiter, 3, 1, 1, 2);
    raster->addWidget(beschriftet(tr("Date:"), editDatum), 4, 0);
    raster->addWidget(editDatum, 4, 1);
    raster->addWidget(BitBtnHeute, 4, 2);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(2, 1);
    auto* knopfspalte = new QVBoxLayout;
    for (QPushButton* b : {BitBtnOK, BitBtnAbbrechen, BitBtnHilfe}) {
        knopfspalte->addWidget(b);
    }
    knopfspalte->addStretch(1);
    auto* innen = new QHBoxLayout;
    innen->addLayout(raster, 1);
    innen->addLayout(knopfspalte);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->setSpacing(0);
    auto* rahmen = new QWidget;
    rahmen->setLayout(innen);
    aussen->addWidget(rahmen, 1);
    aussen->addWidget(Statuszeile());
    setFixedSize(465, 195 + Statuszeile()->sizeHint().height());

    EnterNeueZeile(memoFirma);
    connect(BitBtnHeute, &QPushButton::clicked, this, [this] {
        editDatum->setText(QString::fromStdString(plattform_.HeuteText()));
        focusNextChild();
    });
}

int TfrmProjektdaten::Zeige(TKProjektdaten& daten) {
    daten_ = &daten;
    FormActivate();
    AufBildschirmMitte();
    const int ergebnis = exec();
    daten_ = nullptr;
    return ergebnis;
}

void TfrmProjektdaten::FormActivate() {
    editBauvorhaben->setText(QString::fromStdString(daten_->TBauvorhaben));
    QStringList zeilen;
    for (const std::string& z : daten_->TFirma) {
        zeilen << QString::fromStdString(z);
    }
    memoFirma->setPlainText(zeilen.join(QLatin1Char('\n')));
    editBearbeiter->setText(QString::fromStdString(daten_->TBearbeiter));
    editDatum->setText(QString::fromStdString(daten_->TDatum));
    editBauvorhaben->setFocus(Qt::OtherFocusReason);
}

void TfrmProjektdaten::accept() {
    if (daten_ != nullptr) {
        daten_->TBauvorhaben = editBauvorhaben->text().toStdString();
        std::vector<std::string> firma;
        QString text = memoFirma->toPlainText();
        // A line end after the last line does not make another, empty line.
        if (text.endsWith(QLatin1Char('\n'))) {
            text.chop(1);
        }
        if (!text.isEmpty()) {
            for (const QString& z : text.split(QLatin1Char('\n'))) {
                firma.push_back(z.toStdString());
            }
        }
        daten_->TFirma = firma;
        daten_->TBearbeiter = editBearbeiter->text().toStdString();
        daten_->TDatum = editDatum->text().toStdString();
    }
    TDialogFenster::accept();
}

} // namespace vsk
