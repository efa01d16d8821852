#pragma once
// The design run: checks every connector type of the catalogue against a position and
// recommends the usable type that needs the fewest connectors.

namespace vsk {

class TKAnwendung;
class Plattform;
class TKDornErgebnis;
struct Meldeweg;
class Laufspeicher;

class TKVSKBemessung {
public:
    // The platform shows the one message the arrangement can raise.
    explicit TKVSKBemessung(Plattform& plattform) : plattform_(plattform) {}

    // Full run over all 19 types; writes only the position's results.
    void Bemessen(TKAnwendung& anwendung);

    // Rechecks type typ with the bars now in its catalogue record, keeping the
    // arrangement of the last run.
    void NachweisDorn(TKAnwendung& anwendung, int typ);

    // Reinforcement widths of type typ from its current bar counts. Always true.
    bool BewehrungsbreitenBerechnen(TKAnwendung& anwendung, int typ);

private:
    // One design pass of type typ at the working thickness; false when the pass ends the
    // thickness iteration.
    bool Durchgang(TKAnwendung& anwendung, int typ, Meldeweg& meldeweg, Laufspeicher& laeufe);

    Plattform& plattform_;
};

// Runs the design of the position (the calculate and preview commands).
void RunDesign(TKAnwendung& anwendung, Plattform& plattform);

// The status checks of type typ: fills Fehler, Warnungen, TAbstandMeldung and TEtaQ and
// returns the status. unbrauchbar marks a type that cannot carry the load at all.
unsigned PruefeDorn(TKAnwendung& anwendung, int typ, bool unbrauchbar);

// A type that may be used: status 0 and a usage below 1.
bool DornBrauchbar(const TKDornErgebnis& ergebnis);

// The recommended type: the lowest index among the usable types that need the fewest
// connectors; 0 when none qualifies.
int EmpfohlenerDorn(const TKAnwendung& anwendung);

} // namespace vsk
