#pragma once
// Recovery of unsaved work in the main window (model/Sicherung.h): while the project
// has unsaved changes, a copy every "AutoSicherung" seconds; none while it has none; and at
// the start, before the command-line file is opened, the question whether to restore what
// a run that did not end cleanly left.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vsk {

class Programm;
class Sicherung;
class TBearbeitungsbefehle;
class TDateibefehle;
class TfrmHauptMaske;

class TWiederherstellung final : public QObject {
    Q_OBJECT
public:
    TWiederherstellung(TfrmHauptMaske& fenster, Programm& programm, TDateibefehle& dateien,
                       TBearbeitungsbefehle& bearbeitung);
    // A clean end of the run: the copy is removed.
    ~TWiederherstellung() override;

    // Asks about every copy left behind, newest first, until one is restored; true then.
    bool Anbieten();
    // Writes the copy when the project has changes that the last copy does not hold.
    void Sichern();

    // The question Yes/No; the platform's, unless a test of the whole program answers.
    using Frage = std::function<bool(const std::string& text)>;
    void SetzeFrage(Frage frage) { frage_ = std::move(frage); }
    // Seconds between two copies; 0: none.
    int Abstand() const { return abstandSekunden_; }

private:
    void VerlaufGeaendert();

    TfrmHauptMaske& fenster_;
    Programm& programm_;
    TDateibefehle& dateien_;
    std::unique_ptr<Sicherung> sicherung_; // null: the platform keeps no copies
    QTimer takt_;
    int abstandSekunden_ = 0;
    std::uint64_t gesichert_ = 0; // state of the project in the copy
    bool fehlerGezeigt_ = false;
    Frage frage_;
};

} // namespace vsk
