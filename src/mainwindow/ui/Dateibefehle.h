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
    // Asks whether to save the project; true when the action may go on.
    bool FrageSpeichern();
    // Opens a project file in place of the current project; on failure a fresh project
    // takes its place.
    bool OeffneProjekt(const QString& pfad);

    void SetzeDialoge(std::unique_ptr<TDateidialoge> dialoge);
    TDateidialoge& Dialoge() { return *dialoge_; }
    const QStringList& Zuletzt() const { return zuletzt_; }

private:
    // The proposed file name: the project text followed by ".VSK", if there is one.
    QString Vorschlag() const;
    bool SpeichereNach(const QString& pfad);
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
