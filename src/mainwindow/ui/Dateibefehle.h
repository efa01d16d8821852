#pragma once
// The file commands of the main window: New, Open, Save, Save As, the save question,
// opening a project file, and the list of recently used project files in the File menu.

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace vsk {

class Programm;
class TDateidialoge;
class TfrmHauptMaske;

class TDateibefehle final : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxZuletzt = 8;

    // dateiMenue: the File menu; the recent files go above its Exit entry.
    TDateibefehle(TfrmHauptMaske& fenster, Programm& programm, QMenu& dateiMenue);
    ~TDateibefehle() override;

    void Neu();
    void Oeffnen();
    // False when nothing was saved (cancelled or failed).
    bool Speichern();
    bool SpeichernUnter();
    // Asks whether to save the project when it has unsaved changes; true when the action
    // may go on.
    bool FrageSpeichern();
    // Opens a project file in place of the current project; on failure the current project
    // stays.
    bool OeffneProjekt(const QString& pfad);
    // Opens a recovery copy in place of the current project, as the project of the file
    // dateiname (empty: never saved) with its changes unsaved.
    bool StelleWiederHer(const QString& kopie, const QString& dateiname);

    void SetzeDialoge(std::unique_ptr<TDateidialoge> dialoge);
    TDateidialoge& Dialoge() { return *dialoge_; }
    const QStringList& Zuletzt() const { return zuletzt_; }

private:
    // The proposed file name: the project text followed by ".VSK", if there is one.
    QString Vorschlag() const;
    bool SpeichereNach(const QString& pfad);
    // Reads a project file into a project of its own and makes it the current one, shown
    // with the caption of datei.
    bool Lade(const QString& pfad, const QString& datei);
    void Merke(const QString& pfad);
    void ZuletztOeffnen(const QString& pfad);
    void LeseZuletzt();
    void SchreibeZuletzt();
    void BaueZuletztMenue();

    TfrmHauptMaske& fenster_;
    Programm& programm_;
    QMenu& dateiMenue_;
    QAction* trenner_; // between the recent files and Exit
    std::unique_ptr<TDateidialoge> dialoge_;
    QStringList zuletzt_;
    std::vector<QAction*> zuletztEintraege_;
    bool zuletztFehlerGezeigt_ = false;
};

} // namespace vsk
