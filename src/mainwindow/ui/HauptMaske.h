#pragma once
// The main window frmHauptMaske: menu, tool bar, input tree, input panel, sketch column,
// results overview, report preview and status bar. It wires its parts together and
// switches the display modes; the commands are in TBefehle.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QToolBar;
class QToolButton;
class QWindow;

namespace vsk {

class Canvas;
struct Rechteck;
class Programm;
class TfrmZoom;
class TFenstergedaechtnis;
struct Skizzenlage;
class TBefehle;
class TBearbeitungsbefehle;
class TWiederherstellung;
class TBerichtbefehle;
class TBildbefehle;
class TIfcBefehle;
class TProjektberichtbefehl;
class TDateibefehle;
class TDateidialoge;
class TEingabebaum;
class TEingabePanel;
class TErgebnisliste;
class TfrmBemessung;
class TfrmBewehrung;
class TfrmFarbeinstellung;
class TfrmProjektdaten;
class TfrmProjektverwaltung;
class TfrmStueckliste;
class TfrmbeliebigeLast;
class TSkizzenBild;
class TVorschau;
struct THauptAktionen;

class TfrmHauptMaske final : public QMainWindow {
    Q_OBJECT
public:
    enum Modus { Eingabe = 0, Vorschau = 1, Uebersicht = 2 };

    explicit TfrmHauptMaske(Programm& programm, QWidget* parent = nullptr);
    ~TfrmHauptMaske() override;

    // Creation of the window's state: new project, tree, text tables, caption, input
    // mode. Run by the constructor and again by New.
    void FormCreate();
    // The end of the run: frees the colours and the project, which write their settings.
    // A settings write error is shown; the teardown goes on.
    void Freigeben();

    void SetAnzeigeModus(int modus);
    int AnzeigeModus() const { return modus_; }
    // Shows the current position: input mode, or the overview with its stored results.
    void ZeigeAnwendung();
    // Every field, the selector and the header fields from the current position.
    void AktualisiereEingaben();
    // Caption with the file name (" *" after it while the project has unsaved changes).
    void SetzeTitel(const QString& pfad);
    // The children of "Current Positions" from the project's positions.
    void BaueAktuellePositionen();
    const QString& Dateiname() const { return dateiname_; }
    void ZeichneSkizze();
    void Groessenanpassung();
    void FuelleErgebnisliste();
    // The results list and sketch after the reinforcement window changed a type.
    void ErgebnisseNeuZeigen();
    // The hints box with the lines of a failed plausibility check; empty hides it.
    void ZeigeHinweise(const std::vector<std::string>& zeilen);
    // Moves the keyboard focus to the next control, which runs a field's leave check.
    void FokusWeiter() { focusNextPrevChild(true); }
    // Shows or hides the navigation panel (the "Input Tree" toggle).
    void SetzeEingabebaum(bool sichtbar);

    // For the other windows: open a project, ask whether to save.
    bool OeffneProjekt(const QString& pfad);
    bool FrageSpeichern();
    // The file dialogs of the commands (tests put their own in place of Qt's).
    void SetzeDateidialoge(std::unique_ptr<TDateidialoge> dialoge);
    TDateibefehle& Dateibefehle() { return *dateien_; }
    TBildbefehle& Bildbefehle() { return *bilder_; }
    TBearbeitungsbefehle& Bearbeitungsbefehle() { return *bearbeitung_; }
    TWiederherstellung& Wiederherstellung() { return *wiederherstellung_; }

    Programm& programm() { return programm_; }
    TEingabePanel& Panel() { return *panel_; }
    TEingabebaum& Baum() { return *baum_; }
    TErgebnisliste& Ergebnisse() { return *ergebnisliste_; }
    TVorschau& VorschauBereich() { return *vorschau_; }
    TSkizzenBild& Skizze() { return *skizze_; }
    QSpinBox& Positionswahl() { return *positionswahl_; }
    QLineEdit& EditPosition() { return *editPosition_; }
    QLineEdit& EditBauvorhaben() { return *editBauvorhaben_; }
    QPlainTextEdit& Hinweisbox() { return *hinweise_; }
    const THauptAktionen& Aktionen() const { return *aktionen_; }
    QLabel& Statusfeld(int i);
    // The zoom window frmZoom (non-modal, created with the main window).
    TfrmZoom& Zoomfenster() { return *zoom_; }
    // How the windows are left: restored when the window is built, written by Freigeben.
    TFenstergedaechtnis& Fenstergedaechtnis() { return *gedaechtnis_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BaueWerkzeugleiste();
    void BaueNavigation(QSplitter* teiler);
    QWidget* BaueSkizzenspalte();
    QWidget* BaueUebersicht();
    void BaueStatusleiste();
    void BaueSkizzenmenue();
    void BaueDialoge();
    void InitMaske();
    void Aktivierung();
    void Freigabe(QAction* aktion, bool regel);
    bool Tastatur(QKeyEvent* taste);
    void SkizzenArtGewaehlt(int art);
    // The current sketch into the rectangle: the sketch image and the zoom window.
    void ZeichneAktuelleSkizze(Canvas& canvas, const Rechteck& rechteck);
    // Where the current sketch puts its model in the rectangle (the zoom window zooms
    // about a model point).
    Skizzenlage AktuelleSkizzenlage(Canvas& canvas, const Rechteck& rechteck);
    void AnwendungsfallGezeigt(int fall);

    Programm& programm_;
    int modus_ = Eingabe;
    QString dateiname_;
    bool ersteAktivierung_ = true;
    QPointer<QWindow> letztesFenster_; // the window that was active before this one

    std::unique_ptr<THauptAktionen> aktionen_;
    std::unique_ptr<TBefehle> befehle_;
    std::unique_ptr<TDateibefehle> dateien_;
    std::unique_ptr<TBerichtbefehle> berichte_;
    std::unique_ptr<TBildbefehle> bilder_;
    std::unique_ptr<TIfcBefehle> ifc_;
    std::unique_ptr<TProjektberichtbefehl> projektbericht_;
    std::unique_ptr<TBearbeitungsbefehle> bearbeitung_;
    std::unique_ptr<TWiederherstellung> wiederherstellung_;
    QMenu* dateiMenue_ = nullptr;

    QToolBar* werkzeuge_ = nullptr;
    QSpinBox* positionswahl_ = nullptr;
    QWidget* navigation_ = nullptr;
    TEingabebaum* baum_ = nullptr;
    QPushButton* knopfBerechnung_ = nullptr;
    QPushButton* knopfVorschau_ = nullptr;
    QPushButton* knopfZurueck_ = nullptr;
    QPushButton* knopfExport_ = nullptr;
    QPushButton* knopfZwischenablage_ = nullptr;
    QSplitter* splVertikal_ = nullptr;
    QSplitter* splUebersicht_ = nullptr;
    QWidget* scBoxEingabe_ = nullptr;
    TEingabePanel* panel_ = nullptr;
    QScrollArea* panelRahmen_ = nullptr;
    QLineEdit* editBauvorhaben_ = nullptr;
    QLineEdit* editPosition_ = nullptr;
    TSkizzenBild* skizze_ = nullptr;
    QPlainTextEdit* hinweise_ = nullptr;
    QWidget* uebersicht_ = nullptr;
    QToolBar* skizzenLeiste_ = nullptr;
    std::vector<QAction*> skizzenArten_; // tbAnsicht, tbDraufsicht, tbSchnitt, tbReihenAnsicht
    TErgebnisliste* ergebnisliste_ = nullptr;
    TVorschau* vorschau_ = nullptr;
    QMenu* skizzenMenue_ = nullptr;
    QAction* popmnuKopieren_ = nullptr;
    QAction* popmnuSpeichern_ = nullptr;
    QAction* popmnuDxf_ = nullptr;
    TfrmZoom* zoom_ = nullptr;
    TFenstergedaechtnis* gedaechtnis_ = nullptr;
    std::array<QLabel*, 3> status_{};
    QAction* tbBewehrung_ = nullptr;

    // The dialog windows (children of this window).
    TfrmFarbeinstellung* frmFarbeinstellung_ = nullptr;
    TfrmBewehrung* frmBewehrung_ = nullptr;
    TfrmbeliebigeLast* frmbeliebigeLast_ = nullptr;
    TfrmBemessung* frmBemessung_ = nullptr;
    TfrmStueckliste* frmStueckliste_ = nullptr;
    TfrmProjektverwaltung* frmProjektverwaltung_ = nullptr;
    TfrmProjektdaten* frmProjektdaten_ = nullptr;
};

} // namespace vsk
