#pragma once
// The connector schedule window frmStueckliste: reviews and edits a working copy of the
// project's schedule (check marks, number of similar positions, deleting, remarks) and
// previews, prints, exports or copies it. Edits reach the project only through "&Back",
// "&Preview" or "&Print"; closing the window any other way discards them.

#include "canvas/qt/Bilddatei.h"
#include "model/Exportname.h"
#include "model/Stueckliste.h"
#include "shell/ui/DialogFenster.h"

#include <QImage>
#include <QString>

#include <array>
#include <filesystem>

class QHeaderView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace vsk {

class Plattform;
struct Berichtskontext;
class TKModell;
struct TKTexttabellen;

class TfrmStueckliste final : public TDialogFenster {
    Q_OBJECT
public:
    TfrmStueckliste(Plattform& plattform, const TKTexttabellen& texte, QWidget* parent = nullptr);

    // Shows the window modally on the model's schedule; the working copy is built once
    // per opening, so a message box in between does not undo the edits.
    int Zeige(TKModell& modell);

    // Writes the export of the committed schedule in the given type; the extension of name
    // is replaced by the type's. False when the file could not be written (shown).
    bool Exportieren(const QString& name, ListeExportArt art);

    const TKStueckliste& Arbeitskopie() const { return arbeit_; }
    bool Vorschaumodus() const { return vorschau_; }
    const QImage& Vorschaubild() const { return bild_; }
    int Spaltenbreite(int spalte) const { return breiten_[static_cast<std::size_t>(spalte)]; }

    QPlainTextEdit* memoBemerkung;
    QLabel* lblAuswahl;
    QSpinBox* spinAnzahl;
    QPushButton* BitBtnLoeschen;
    QTreeWidget* lvListe;
    QScrollArea* scBoxVorschau;
    QLabel* imgVorschau;
    QLabel* lblExportHinweis;
    QPushButton* BitBtnDrucken;
    QPushButton* BitBtnVorschau;
    QPushButton* BitBtnListe;
    QPushButton* BitBtnExport;
    QPushButton* BitBtnZwischenablage;
    QPushButton* BitBtnZurueck;
    QPushButton* BitBtnHilfe;

private:
    void BaueKopf();
    void FormActivate();
    void FuelleListe();
    // The current choice for entry k: its position and designation, on opening the window
    // followed by the fire protection text.
    QString Auswahltext(int k, bool mitBrandschutz) const;
    void ZeileGewaehlt();
    void ZeileGeaendert(QTreeWidgetItem* zeile, int spalte);
    void spinAnzahlChanged(int n);
    void BitBtnLoeschenClick();
    void Uebernehmen();
    void BitBtnZurueckClick();
    void BitBtnVorschauClick();
    void BitBtnDruckenClick();
    void BitBtnExportClick();
    void BitBtnZwischenablageClick();
    void SetzeModus(bool vorschau);
    void SpalteVeraendert(int spalte, int alt, int neu);
    // The schedule preview as a picture file; false when it could not be written (shown).
    bool BildExportieren(const std::filesystem::path& pfad, Bildtyp typ, Berichtskontext& k);

    Plattform& plattform_;
    const TKTexttabellen& texte_;
    TKModell* modell_ = nullptr; // the model of the current opening only
    TKStueckliste arbeit_;
    bool vorschau_ = false;
    QImage bild_;
    ListeExportArt exportArt_ = ListeExportArt::Metafile;
    // The check column and the ten column heads; kept while the program runs.
    std::array<int, 11> breiten_{};
    std::array<int, 11> minimum_{};
    std::array<int, 11> maximum_{};
};

} // namespace vsk
