#pragma once
// The program's help: the help viewer on the help pages beside the program. Each call
// opens the viewer (one for the whole program) over the calling window and shows the
// page asked for. Context numbers of the windows:
//   210 main window, 220 arbitrary load, 230 design settings, 240 colours,
//   250 reinforcement, 260 project data, 270 project administration, 280 schedule.
// Topic names of the dialogs' help buttons: "MaskeProjektverwaltung", "MaskeProjektdaten",
// "MaskeBewehrung", "MaskeQuerkraft", "MaskeStueckliste".

#include <QString>
#include <filesystem>

class QWidget;

namespace vsk {

class TfrmHilfe;

namespace Hilfe {

// The folder of the help pages (the application's help file); until it is set, the
// folder "help" beside the program.
void SetzeVerzeichnis(const std::filesystem::path& verzeichnis);
std::filesystem::path Verzeichnis();

// The open viewer, or nullptr.
TfrmHilfe* OffenesFenster();

// von: the window asking (the viewer is kept usable over it even when it is modal);
// nullptr for the active window.
void ZeigeInhalt(QWidget* von = nullptr);
void ZeigeSuche(QWidget* von = nullptr, const QString& wort = {});
void ZeigeBenutzung(QWidget* von = nullptr);
// False when no page has the number or name; the contents are shown instead.
bool ZeigeKontext(int kontext, QWidget* von = nullptr);
bool ZeigeThema(const QString& thema, QWidget* von = nullptr);

// The context number of a window by its object name ("frmHauptMaske" 210, ...); 0 for
// a window without its own page.
int KontextFuer(const QString& fenstername);

// F1 anywhere in the program opens the help at the page of the active window (the
// contents for a window without its own page, the use of help in the viewer itself).
// Installed once on the application; the filter belongs to it.
void InstalliereF1();
// What F1 does in fenster.
void F1(QWidget* fenster);

} // namespace Hilfe
} // namespace vsk
