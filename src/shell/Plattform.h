#pragma once
// What the core needs from the machine and from the user. The program implements this
// with Qt (shell/qt/QtPlattform); tests use a scripted double.

#include <filesystem>
#include <string>

namespace vsk {

enum class Antwort { Ja, Nein, Abbrechen };

class Plattform {
public:
    virtual ~Plattform() = default;

    // Decimal separator of the user's number settings.
    virtual char Dezimaltrenner() const = 0;
    // Today's date in the user's short date format.
    virtual std::string HeuteText() const = 0;
    // Windows language identifier of the operating system's default locale (2057, 2055, ...).
    virtual int SystemSprachID() const = 0;
    // Full path of the settings file.
    virtual std::filesystem::path Einstellungsdatei() const = 0;
    // The folder of the recovery copies of unsaved work (model/Sicherung.h); empty
    // where no copies are kept.
    virtual std::filesystem::path Sicherungsordner() const { return {}; }

    // Plain message box with an OK button.
    virtual void Meldung(const std::string& text) = 0;
    // Information box with an OK button.
    virtual void Information(const std::string& text) = 0;
    // The program's general error display (an error that ended a user action).
    virtual void Fehler(const std::string& text) = 0;
    // Questions; the caption is the application title.
    virtual bool FrageJaNein(const std::string& text) = 0;
    virtual Antwort FrageJaNeinAbbrechen(const std::string& text) = 0;
};

} // namespace vsk
