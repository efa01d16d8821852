#pragma once
// The launcher: starts another program or opens a document and turns the launch result
// into the program's message. Created for one launch and dropped right after.

#include "shell/Programmstarter.h"

#include <string>
#include <vector>

namespace vsk {

// Design program: opens FileName (a document opens in its associated program).
// Start program: runs ProgrammName; a result of exactly 32 also counts as success there.
enum class TStartart { Designprogramm, Startprogramm };

class TWinexecute {
public:
    TWinexecute(Programmstarter& starter, TStartart art);

    const std::string& ProgrammName() const { return programmName_; }
    void setProgrammName(const std::string& wert);
    const std::string& FileName() const { return fileName_; }
    void setFileName(const std::string& wert);
    // Working directory of the launch; empty: the current directory.
    const std::string& ProgrammPfad() const { return programmPfad_; }
    void setProgrammPfad(const std::string& wert);
    // Stored with one leading blank unless empty or already beginning with one.
    const std::string& Parameter() const { return parameter_; }
    void setParameter(const std::string& wert);
    TModus ExecuteModus() const { return modus_; }
    void setExecuteModus(TModus wert);
    // Message for the result of the last launch; empty after success.
    const std::string& ErrorString() const { return errorString_; }

    // Launches; sets ErrorString and reports success.
    bool Ausfuehren();

private:
    int Starte();

    Programmstarter& starter_;
    TStartart art_;
    std::string programmName_;
    std::string fileName_;
    std::string programmPfad_;
    std::string parameter_;
    TModus modus_ = TModus::Normal;
    std::string errorString_;
};

// The message of a launch result code (-2 error, -1 invalid window state, 0...32 the
// platform's failures, above 32 success with the empty text).
std::string ErrorStringFuer(int ergebnis);

// Splits a parameter text into arguments: blanks and tabs separate, double quotes group
// (two double quotes inside quotes give one). Nothing else is interpreted.
std::vector<std::string> ZerlegeParameter(const std::string& parameter);

} // namespace vsk
