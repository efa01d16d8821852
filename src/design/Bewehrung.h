#pragma once
// Reinforcement design of one connector type: position B (straight bars parallel to the
// joint, secondary reinforcement x) and position D (U-bars, main reinforcement y).
// Writes into the type's catalogue record and result of the position's results.

#include <vector>

namespace vsk {

class TKAnwendung;

// Design strength of the reinforcement steel, f_yk / gamma_s.
long double Fyd(int stahlguete);

// Force one U-bar of diameter dD carries (kN), slab h, top cover co.
long double BuegelTragkraft(int dD, long double fyd, long double fbd, double h, double co);

// Required secondary reinforcement (mm²) for connector load F at spacing e.
long double AsxErforderlich(long double F, double e, double h, double co, int dB, long double fyd);

// Bars of position B for a required area: trunc(As / A - 0.01) + 1.
int AnzahlStaebeB(double asErf, double stabflaeche);
// U-bars of position D: the same count made even.
int AnzahlBuegelD(double asErf, double stabflaeche);
// Standard U-bar spacing from the unrounded spacing x: round(x - 0.4), halves to even.
double BuegelAbstandGerundet(long double x);

// Position-B spacing list: n entries, the first sB0, the others sB.
std::vector<double> AbstaendeB(int typ, int anzahl);

// TAsyErf, then TAsxErf of type typ, from the load the reinforcement basis names.
void ErforderlicheBewehrung(TKAnwendung& anwendung, int typ);

// Position B: AnzB, AbstandB, LaengeB and Tbx from TAsxErf.
void BewehrungPositionB(TKAnwendung& anwendung, int typ);
// Position D: AnzD, AbstandD and BreiteBuegel (truncated to 0.01 mm) from TAsyErf.
void BewehrungPositionD(TKAnwendung& anwendung, int typ);
// TAsxIst and TAsyIst from the record's counts.
void VorhandeneBewehrung(TKAnwendung& anwendung, int typ);
// Resistance the reinforcement gives one connector under its actual load.
long double BewehrungWiderstand(const TKAnwendung& anwendung, int typ);

// After a change of the bar counts: AbstandD, BreiteBuegel (not truncated), AbstandB,
// LaengeB and Tbx from the record's current counts.
void BewehrungsbreitenNeu(TKAnwendung& anwendung, int typ);

} // namespace vsk
