#pragma once
// The undo history of a project. An undo step is one committed edit: the state before and
// after it of what it touched (Projektausschnitt), never a copy of the whole project.
//
// An edit is bracketed by Beginne, which takes what it will touch as it is, and
// Abschliessen, which records a step when the project changed; a Beginne inside an edit
// belongs to that edit. Typing in a field changes the project before the field is left
// (the results are no longer shown), so the first keystroke marks the step (Vormerken):
// leaving the field adopts it, a failed check turns it back into a marked step
// (Zurueckstellen). A calculation is no step of its own (Art::Nachtrag): it is folded
// into the last step, so that undo takes back the last input change and the results with it.
//
// Every state of the project has a number; the project has unsaved changes while its
// number is not the one of the state last saved, so undoing back to that state clears them.

#include "model/Projektausschnitt.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vsk {

class TKModell;

class Bearbeitungsverlauf {
public:
    // Steps kept; older ones are dropped.
    static constexpr std::size_t MaxSchritte = 100;

    enum class Art { Schritt, Nachtrag };

    Bearbeitungsverlauf();

    // An edit called name begins; what umfang names is taken as it is now.
    void Beginne(const TKModell& m, std::string name, const Bearbeitungsumfang& umfang,
                 Art art = Art::Schritt);
    // The first change of a field being typed in: a step marked before the field is left.
    void Vormerken(const TKModell& m, std::string name, const Bearbeitungsumfang& umfang);
    // The edit is done: the outermost one records its step when the project changed.
    void Abschliessen(const TKModell& m);
    // The edit did not go through (a failed check): its step stays marked.
    void Zurueckstellen();
    // Records what is open, a marked step too (before undo, redo and saving); an edit still
    // running goes on as a new step.
    void Festschreiben(const TKModell& m);

    bool KannRueckgaengig() const { return index_ > 0; }
    bool KannWiederholen() const { return index_ < schritte_.size(); }
    // The names of the steps undo and redo would take; empty when there is none.
    const std::string& RueckgaengigName() const;
    const std::string& WiederholenName() const;
    // Back to the state before the last step, or forward to the state after the next one.
    // False when there is none.
    bool Rueckgaengig(TKModell& m);
    bool Wiederholen(TKModell& m);

    // A new or opened project: no steps, and the project as it is counts as saved.
    void Leeren();
    // The project as it is now is on disk.
    void Gespeichert(const TKModell& m);
    // A project restored from a recovery copy: changed until it is saved.
    void Ungespeichert();
    bool Geaendert() const { return Stand() != gespeichert_; }
    // The number of the project's state: it changes with every recorded change.
    std::uint64_t Stand() const;
    std::size_t Schritte() const { return schritte_.size(); }

    // Called after every change of the steps, the state or the saved state.
    void SetzeBeobachter(std::function<void()> beobachter) { beobachter_ = std::move(beobachter); }

    // While a pause lives, nothing is recorded: the window shows a restored state.
    class Pause {
    public:
        explicit Pause(Bearbeitungsverlauf& verlauf) : verlauf_(verlauf) { ++verlauf_.pausen_; }
        ~Pause() { --verlauf_.pausen_; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        Bearbeitungsverlauf& verlauf_;
    };

private:
    struct Teil {
        Bearbeitungsumfang umfang;
        Projektausschnitt vorher, nachher;
    };
    struct Schritt {
        std::string name;
        std::vector<Teil> teile;
        std::uint64_t stand = 0; // number of the state after the step
    };
    struct Offen {
        std::string name;
        Art art = Art::Schritt;
        bool vorgemerkt = false;
        int tiefe = 0;           // edits inside edits
        int anzahlVorher = 0;    // positions when it began
        std::vector<Teil> teile; // their states before
    };

    void Oeffne(const TKModell& m, std::string name, const Bearbeitungsumfang& umfang, Art art,
                bool vorgemerkt);
    // Adds to the open step what umfang names beyond what it holds.
    void Erweitere(const TKModell& m, const Bearbeitungsumfang& umfang);
    bool Umfasst(const Bearbeitungsumfang& umfang) const;
    void Schliesse(const TKModell& m);
    void Falte(std::vector<Teil> teile);
    // A state that no recorded step leads back from: the steps are dropped.
    void Verwerfe();
    std::vector<const Projektausschnitt*> Vorrat() const;
    std::uint64_t NeuerStand() { return naechsterStand_++; }
    void Melde() const;

    std::vector<Schritt> schritte_;
    std::size_t index_ = 0; // steps before it are done, from it on undone
    std::optional<Offen> offen_;
    std::uint64_t naechsterStand_ = 1;
    std::uint64_t basis_ = 0;       // state before the first kept step
    std::uint64_t gespeichert_ = 0; // state last saved (0: none)
    int pausen_ = 0;
    std::function<void()> beobachter_;
};

} // namespace vsk
