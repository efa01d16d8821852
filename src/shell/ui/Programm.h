#pragma once
// The program object of the design program: the objects the whole run shares, held once
// and passed to the windows that need them. Nothing reaches them through a global.

#include "model/Bearbeitungsverlauf.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "shell/Einstellungen.h"
#include "shell/Plattform.h"
#include "sketches/Farbschema.h"

#include <exception>
#include <memory>
#include <string>

namespace vsk {

class Programm {
public:
    // plattform: the machine's services for the whole run (not owned).
    explicit Programm(Plattform& plattform);
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    Plattform& plattform() { return plattform_; }
    Einstellungen& einstellungen() { return einstellungen_; }
    char Trenner() const { return plattform_.Dezimaltrenner(); }

    // The current project; it exists from the main window's creation to its destruction.
    TKModell& AktModell() { return *aktModell_; }
    bool HatModell() const { return aktModell_ != nullptr; }
    // The current position, always position TAktAnwendung of AktModell. Derived on every
    // call, so no reference into the position list can outlive a change of the list.
    TKAnwendung& AktAnwendung() { return aktModell_->AktuelleAnwendung(); }

    // The undo history of the current project; a new or opened project starts it afresh.
    Bearbeitungsverlauf& Verlauf() { return verlauf_; }

    // Discards the current project (see ModellFreigeben) and creates a new one with one
    // position, whose defaults come from the settings file. The new project exists also
    // when writing the old factors raised SchreibFehler, which is raised afterwards.
    void NeuesModell();
    // Writes the load factors of every position (last first) and discards the project.
    // A write error is raised as SchreibFehler after the project has been discarded, so
    // the caller can show it and carry on.
    void ModellFreigeben();

    // The text tables of the chosen language, built when the main window is created.
    TKTexttabellen Texte;

    // Discards a project without writing anything.
    void ModellVerwerfen() { aktModell_.reset(); }

    // A project with one position from the settings, for reading a file into.
    std::unique_ptr<TKModell> LeeresModell();
    // Makes a project read elsewhere the current one. The old one is discarded as by
    // ModellFreigeben; its SchreibFehler is raised after the new project is in place.
    void ErsetzeModell(std::unique_ptr<TKModell> neu);

    // The colour scheme of the sketches; it exists from the main window's creation to its
    // destruction. FarbenLaden reads it from the settings file (only when there is none yet,
    // so New keeps colours changed during the run); FarbenFreigeben writes it back and
    // discards it, raising SchreibFehler after discarding when the write fails.
    TKFarbe& Farben() { return *farben_; }
    bool HatFarben() const { return farben_ != nullptr; }
    void FarbenLaden();
    void FarbenFreigeben();

    // Line width of dimension lines and arrows on the screen (the sketches may change it).
    int Linienbreite = 1;

    // The last input-field check passed.
    bool EingabeOK = true;
    // The command-line project file has been handled.
    bool ParameterGeladen = false;
    // The command-line arguments joined with blanks, leading blanks removed.
    std::string Kommandozeile;

private:
    // ModellFreigeben, with its SchreibFehler returned instead of raised.
    std::exception_ptr AltesModellFreigeben();

    Plattform& plattform_;
    Einstellungen einstellungen_;
    std::unique_ptr<TKModell> aktModell_;
    Bearbeitungsverlauf verlauf_;
    std::unique_ptr<TKFarbe> farben_;
};

// The project file named by the command line: the arguments after the program name
// joined with single blanks, leading blanks removed.
std::string KommandozeilenDatei(int argc, const char* const* argv);

} // namespace vsk
