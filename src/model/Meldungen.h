#pragma once
// A list of message codes (status or warning table rows), in the order they were first
// added; each code at most once.

#include <cstdint>
#include <vector>

namespace vsk {

// Status codes: TStatus of a connector result and the codes of its Fehler list share
// this numbering (the rows of StatusKurz / StatusLang). 0 never enters Fehler.
namespace Status {
inline constexpr std::uint16_t OK = 0;
inline constexpr std::uint16_t DickeZuKlein = 1;     // d < d min
inline constexpr std::uint16_t LastZuGross = 2;      // Vsd > VRd
inline constexpr std::uint16_t AbstandUnterMin = 3;  // e < min e
inline constexpr std::uint16_t RandUnterMin = 4;     // c < min c
inline constexpr std::uint16_t AbstandBewehrung = 5; // e < suit e
inline constexpr std::uint16_t FugeUnzulaessig = 6;  // f > permissible
inline constexpr std::uint16_t AbstandZulassung = 7; // e < reqd e
inline constexpr std::uint16_t RandZulassung = 8;    // c < reqd c
inline constexpr std::uint16_t WandZuDuenn = 9;      // dw < reqd dw
inline constexpr std::uint16_t Anzahl = 10;
} // namespace Status

// Warning codes: rows of Warnungstexte.
namespace Warnung {
inline constexpr std::uint16_t MaxAbstand = 0;     // spacing above 5 * slab thickness
inline constexpr std::uint16_t DuennstePlatte = 1; // minimum values from the thinnest slab
} // namespace Warnung

class TKMeldungen {
public:
    // Appends the code unless it is already in the list.
    void Add(std::uint16_t code);
    void Clear() { codes_.clear(); }
    int Count() const { return static_cast<int>(codes_.size()); }
    // The i-th code in order of addition; 0 when i is outside the list.
    std::uint16_t Code(int i) const;
    bool Enthaelt(std::uint16_t code) const;
    const std::vector<std::uint16_t>& Codes() const { return codes_; }

private:
    std::vector<std::uint16_t> codes_;

    friend bool operator==(const TKMeldungen&, const TKMeldungen&) = default;
};

} // namespace vsk
