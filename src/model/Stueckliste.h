#pragma once
// The project's connector schedule: remark lines and the entries, each entry a list of
// texts as the project file stores it. An entry made from a position has ten texts
// (see StuecklisteSpalte); entries read from a file may have any number.

#include <string>
#include <vector>

namespace vsk {

// The texts of an entry made by "Add to Connector Schedule".
namespace StuecklisteSpalte {
inline constexpr int Position = 0;    // TPosition
inline constexpr int AnzahlPos = 1;   // number of similar positions
inline constexpr int AnzahlDorne = 2; // connectors of the selected type
inline constexpr int Bezeichnung = 3; // display name of the type
inline constexpr int SummeDorne = 4;  // text 1 x text 2
inline constexpr int Status = 5;      // "Active" / "Not active"
inline constexpr int Pos = 6;         // number of the position in the project
inline constexpr int Brandschutz = 7; // fire protection sleeve type, usually empty
inline constexpr int FRd = 8;         // design capacity, one decimal
inline constexpr int Auflager = 9;    // same as text 2
inline constexpr int Anzahl = 10;
} // namespace StuecklisteSpalte

// The translated status texts; an entry is active when its text 5 equals TextAktiv().
std::string TextAktiv();
std::string TextNichtAktiv();
// Whether a status text means active: "Active" in the current language or in any other
// installed one (a schedule keeps its entries when the file is opened in another
// language), unless it is the current language's "Not active".
bool IstAktivText(const std::string& status);

class TKStueckliste {
public:
    using Eintrag = std::vector<std::string>;

    std::vector<std::string> TBemerkung; // supplementary remark lines

    // Entry numbers run from 1 to EintragCount(); callers pass only numbers of existing
    // entries. A number outside that range changes nothing (GetEintrag: an empty entry).
    void AddEintrag(const Eintrag& eintrag) { eintraege_.push_back(eintrag); }
    void DeleteEintrag(int k);
    void ReplaceEintrag(Eintrag eintrag, int k);
    Eintrag& GetEintrag(int k);
    const Eintrag& GetEintrag(int k) const;
    void ClearEintraege() { eintraege_.clear(); }
    int EintragCount() const { return static_cast<int>(eintraege_.size()); }
    const std::vector<Eintrag>& Eintraege() const { return eintraege_; }

    // Whether entry k counts in the printed and exported schedule.
    bool IstAktiv(int k) const;

private:
    bool Gueltig(int k) const { return k >= 1 && k <= EintragCount(); }

    std::vector<Eintrag> eintraege_;

    friend bool operator==(const TKStueckliste&, const TKStueckliste&) = default;
};

} // namespace vsk
