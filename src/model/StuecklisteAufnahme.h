#pragma once
// "Add to Connector Schedule": the entry made from the current position, and adding it
// to the project's schedule, replacing an entry of the same position number on request.

#include "model/Stueckliste.h"

#include <string>
#include <vector>

namespace vsk {

class Plattform;
class TKModell;

// The ten texts of an entry for the current position and its selected connector type.
// trenner: the user's decimal separator (for the design capacity).
TKStueckliste::Eintrag AktAnwendungEintrag(const TKModell& modell, char trenner);

// What "Add to Connector Schedule" did: the number of the entry (from 1) it appended or
// replaced.
struct Aufnahme {
    int eintrag = 0;
    bool ersetzt = false;
};

// Walks the entries from number 1; for each whose position number (text 6) equals
// positionsNummer without surrounding blanks, asks whether to overwrite it. Yes replaces
// that entry and ends; when no entry was replaced, the new entry is appended. So No to
// every question adds the position once more.
Aufnahme AddAktAnwendung(TKModell& modell, const std::string& positionsNummer,
                         Plattform& plattform);

// The active entries whose position (by its number, text 6) is calculated and now gives
// another count or type than the entry holds: the schedule keeps what was added, so a
// design changed since shows here. One line each, for the project report.
std::vector<std::string> VeralteteEintraege(const TKModell& modell);

// The confirmation of an Aufnahme for the status bar: which entry, which position, how
// many connectors of which type.
std::string AufnahmeText(const TKModell& modell, const Aufnahme& aufnahme);

} // namespace vsk
