#pragma once
// Arrangement of the connectors of one type along the joint: how many, where, the load
// on each, and the required reinforcement that follows from them.

#include <vector>

namespace vsk {

class TKAnwendung;
class TKErgebnisse;
struct Meldeweg;
class Laufspeicher;

// Most connectors the count reaches while it grows to keep the spacing limit.
inline constexpr int MaxDornAnzahl = 500;

// Arranges type typ for the position (single connector or row, by the application
// case), starting from the provisional connector load TFSdIst = TFRd. Writes the spacing
// list, the edge distances, TIstMinAchs, the count, TFSdIst, TAsxErf, TAsyErf and Tby;
// the row case reloads the type's catalogue record. Returns false when the type cannot
// carry the load at all (no positive capacity, or no load line along the joint): it then
// has one connector in the middle carrying the whole load. laeufe keeps the walks of the
// design run.
bool DornAnordnung(TKAnwendung& anwendung, int typ, Meldeweg& meldeweg, Laufspeicher& laeufe);

// Whether a row of this position has no load line to distribute (a point load, or fewer
// than two points).
bool OhneLastlinie(const TKAnwendung& anwendung);

// Where the TAnzDorn connectors of type typ stand along the joint, from its start: the
// left edge distance, then each spacing added on.
std::vector<double> DornOrte(const TKErgebnisse& ergebnisse, int typ);

} // namespace vsk
