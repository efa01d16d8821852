#pragma once
// Geometry of a position. Lengths in mm.

#include <cstdint>

namespace vsk {

class TKGeometrie {
public:
    std::uint8_t TFugenbreite = 2; // joint width step 0..6 (0, 10, ... 60 mm)
    double TFugenlaenge = 2000;
    double TNutzhoehe = 400;
    double TBetondeckungUnten = 30;
    double TBetondeckungOben = 30;
    double TBetondeckungVorn = 30;
    double TPlatteDicke = 450;
    double TWandDicke = 400;
    std::uint8_t TRandLinks = 0;  // a component edge bounds the joint at the left
    std::uint8_t TRandRechts = 0; // ... at the right
    double TBauteilRandLinks = 500;
    double TBauteilRandRechts = 500;

    // The joint length the design and the sketches use: the two edge distances when both
    // edges are set, else the joint length.
    double WirksameFugenlaenge() const;

    friend bool operator==(const TKGeometrie&, const TKGeometrie&) = default;
};

} // namespace vsk
