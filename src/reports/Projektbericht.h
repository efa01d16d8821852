#pragma once
// The project report: one document with a summary of every position, each position's
// calculation report as Print makes it, and the connector schedule. It is made from a
// working copy of the project, so the project the user edits never changes.

#include "model/Modell.h"
#include "reports/Berichtskontext.h"
#include "reports/Seitenziel.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vsk {

class Plattform;

enum class Positionsstatus { Brauchbar, NichtBrauchbar, NichtBerechnet };

// One row of the summary.
struct Projektzeile {
    int nummer = 0; // position number from 1
    std::string name;
    int anwendungsfall = 0;
    int typ = 0;    // the selected type TAktDorn
    int anzahl = 0; // its connectors
    double eta = 0; // its usage TEtaQ
    Positionsstatus status = Positionsstatus::NichtBerechnet;
    std::vector<std::string> hinweise; // why it could not be calculated
    int ersteSeite = 0;                // where its report starts; 0: no report pages
};

struct Projektbericht {
    TKModell modell; // the working copy
    std::vector<Projektzeile> zeilen;
};

// Called after each step with the steps done and all steps; false cancels.
using Fortschritt = std::function<bool(int erledigt, int gesamt)>;

// "Project Report"
std::string Projektberichtstitel();

// The working copy of the project with every position ready for its report. A position
// that is not calculated is, when bemessen, checked and designed as the Calculation
// command does; one that fails the check keeps its hints and gets no report. The design
// shows no messages. Empty when cancelled.
std::optional<Projektbericht> BereiteProjektberichtVor(const TKModell& projekt,
                                                       Plattform& plattform, bool bemessen,
                                                       const Fortschritt& fortschritt = {});

enum class Berichtsende { Fertig, Fehler, Abgebrochen };

// The whole report on the page device: summary pages, the reports of the positions in
// order, then the schedule pages when the schedule has active entries; "Page k of n" on
// every page and an outline entry for each part. k must read bericht.modell. Sets the
// rows' first pages. A cancelled document is left unended (a PDF file is then not
// written).
Berichtsende ProjektberichtDrucken(Drucker& drucker, Projektbericht& bericht, Berichtskontext& k,
                                   const Fortschritt& fortschritt = {});

} // namespace vsk
