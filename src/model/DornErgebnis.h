#pragma once
// Result of the design for one connector type. Lengths in mm, forces in kN, areas in mm².

#include "model/Meldungen.h"

#include <cstdint>
#include <vector>

namespace vsk {

class TKDornErgebnis {
public:
    // A fresh result for type 0.
    TKDornErgebnis() : TKDornErgebnis(0) {}
    // A fresh result for the type (index clamped into 0..18): one spacing, the type's
    // default spacing; both edge distances its default edge distance.
    explicit TKDornErgebnis(int typ);

    std::uint8_t TDornAnordnung = 0;
    double TAbstandLinks = 0;
    double TAbstandRechts = 0;
    double TIstMinAchs = 0;
    double TZulMinAchs = 0;
    double TZulMinRand = 0;
    double TFSdIst = 0;
    double TEtaQ = 0;
    double TAsxErf = 0;
    double TAsyErf = 0;
    double TAsxIst = 0;
    double TAsyIst = 0;
    double Tbx = 0;
    double Tby = 0;
    std::uint16_t TStatus = 0;
    std::uint8_t TStatusd = 1;
    std::uint8_t TAbstandMeldung = 0;
    TKMeldungen Fehler;    // status codes
    TKMeldungen Warnungen; // warning codes

    // Spacings along the joint from its start (TDornAbstand).
    void ClearAbstaende() { abstaende_.clear(); }
    void AddAbstand(double a) { abstaende_.push_back(a); }
    // The i-th spacing; 0 when i is outside the list.
    double GetAbstand(int i) const;
    int AbstandCount() const { return static_cast<int>(abstaende_.size()); }
    // Largest spacing (edge distances included); 0 for an empty list, and only positive
    // entries count.
    double MaxAbstand() const;
    const std::vector<double>& Abstaende() const { return abstaende_; }

    double TFRdStahl() const { return tFRdStahl_; }
    double TFRdBeton() const { return tFRdBeton_; }
    double TFRdBewehrung() const { return tFRdBewehrung_; }
    double TFRd() const { return tFRd_; }
    // Each stores the resistance, then TFRd := the least of the three.
    void setTFRdStahl(double v);
    void setTFRdBeton(double v);
    void setTFRdBewehrung(double v);
    // Stores TFRd as given; only for restoring a stored result (read back as stored).
    void setTFRd(double v) { tFRd_ = v; }

private:
    void Minimum();

    std::vector<double> abstaende_;
    double tFRdStahl_ = 0;
    double tFRdBeton_ = 0;
    double tFRdBewehrung_ = 0;
    double tFRd_ = 0;

    friend bool operator==(const TKDornErgebnis&, const TKDornErgebnis&) = default;
};

} // namespace vsk
