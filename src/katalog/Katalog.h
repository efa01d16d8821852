#pragma once
// The connector catalogue: fixed product and material data of the 19 connector types
// (0..9 the VSK line, 10..18 the VSKQ line; the index order decides ties in the design).
//
// Every lookup is safe for any index: a type index outside 0..18 is clamped into that
// range, a concrete grade outside 0..3 and a steel grade outside 0..1 likewise; a joint
// width step outside 0..6 is not permitted for any type and gives 0 mm when clamped by
// FugenbreiteMm; a bar diameter not in the table has the area of a 6 mm bar. Values read
// from a project file may be out of range, and a wrong index must never read past a table.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vsk {

inline constexpr int AnzDornTypen = 19;
inline constexpr int AnzFugenbreiten = 7; // steps 0, 10, ... 60 mm
inline constexpr int AnzBetongueten = 4;
inline constexpr int AnzStahlgueten = 2;
inline constexpr int ErsterVSKQTyp = 10;
inline constexpr int VorgabeDornTyp = 6; // "VSK 7"

// Type index clamped into 0..18.
int KlemmeDornTyp(int typ);
bool IstVSKQ(int typ);

// Display name ("VSK 7") and project file identifier ("VSK_007") of a type.
const std::string& DornName(int typ);
const std::string& DornKennung(int typ);
// Type index of an identifier; -1 when there is none.
int DornTypVonKennung(const std::string& kennung);

// Table A: design data.
struct KatalogA {
    double hMin;     // minimum slab thickness
    double d;        // diameter of each of the two dowel bars
    double a;        // vertical axis distance of the two bars
    double W;        // section modulus of the dowel, mm³
    double fyk;      // yield strength of the dowel steel
    double e0;       // lever-arm allowance added to the joint width
    double La;       // bearing length of the load introduction
    double ba;       // bearing width of the load introduction
    double h1;       // thickness up to which the concrete factor is 1.0
    double h2;       // thickness from which the concrete factor is kappaMin
    double kappaMin; // lowest concrete reduction factor
    double beta;     // punching factor of the type
    double ar;       // length for the joint-width reduction; 0 = no reduction
    double lD;       // length of the dowel bars on one side of the joint
    double fMax;     // largest permitted joint width, mm
};

// Table B: standard reinforcement.
struct KatalogB {
    int dB;     // bar diameter of position B
    int nB;     // standard number of position-B bars per face
    double sB0; // first position-B spacing (from the joint face)
    double sB;  // further position-B spacings
    double lB;  // standard extent of position B
    int dD;     // bar diameter of position D
    int nD;     // standard number of U-bars (even)
    double sD0; // centre spacing of the two innermost U-bars
    double sD;  // spacing of the further U-bars
    double bD;  // standard outer width of the U-bar group
    double zD;  // allowance between U-bar group width and main reinforcement region
    int nL;     // number of reinforcement layers
    double c0;  // edge distance of a fresh result
    double es;  // connector spacing of a fresh result (2 * c0)
};

// Table C: dimensions for sketches and drawings.
struct KatalogC {
    double PlatteBreite, PlatteHoehe;
    double HuelseBreite, HuelseHoehe;
    double Anker1Laenge, Anker2Laenge;
    double Anker1Durchm, Anker2Durchm;
    double Anker1Abstand, Anker2Abstand;
    double RippeLaenge;
};

// Thickness of the anchor plate at the joint face and of the rib behind it, the same
// for every type.
inline constexpr double AnkerplatteDickeMm = 4;
inline constexpr double RippeDickeMm = 4;

const KatalogA& TabelleA(int typ);
const KatalogB& TabelleB(int typ);
const KatalogC& TabelleC(int typ);

// Whether joint width step (0..6 for 0..60 mm) is permitted for the type; false for a
// step outside 0..6.
bool FugenbreiteZulaessig(int typ, int stufe);
// Joint width in mm of a step: 10 * step, the step clamped into 0..6.
double FugenbreiteMm(int stufe);

// Cross-section area (mm²) of a reinforcing bar; 28.3 (6 mm) for a diameter not listed.
double Stabflaeche(int durchmesser);

struct Betonwerte {
    double fc;    // strength used for fcd = fc / 1.5
    double tauRd; // basic shear strength
    double fbd;   // bond stress
};
const Betonwerte& Beton(int guete);

struct Stahlwerte {
    double fyk;
    double gammaS;
};
const Stahlwerte& Stahl(int guete);

// The per-type record of catalogue values. The design reloads it with Laden at the
// start of every pass and then overwrites the reinforcement fields.
class TKDornDaten {
public:
    // Loaded with type 6 ("VSK 7").
    TKDornDaten();
    explicit TKDornDaten(int typ);

    // Resets every field to the catalogue values of the type (index clamped into 0..18).
    void Laden(int typ);

    std::uint8_t Typ = 0;
    double MinDicke = 0;
    double BreiteBuegel = 0;
    double LaengeB = 0;
    std::int32_t AnzLagen = 0;
    std::int32_t DurchmB = 0;
    std::int32_t DurchmD = 0;
    std::int32_t AnzB = 0;
    std::int32_t AnzD = 0;
    std::vector<double> AbstandB;
    std::vector<double> AbstandD;
    double PlatteBreite = 0;
    double PlatteHoehe = 0;
    double DornDurchm = 0;
    double DornMittenAbstand = 0;
    double DornLaenge = 0;
    double HuelseBreite = 0;
    double HuelseHoehe = 0;
    double Anker1Laenge = 0;
    double Anker2Laenge = 0;
    double Anker1Durchm = 0;
    double Anker2Durchm = 0;
    double Anker1Abstand = 0;
    double Anker2Abstand = 0;
    double RippeLaenge = 0;

    friend bool operator==(const TKDornDaten&, const TKDornDaten&) = default;
};

} // namespace vsk
