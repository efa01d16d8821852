#pragma once
// Loads the language modules (compiled Qt translations beside the program, see
// shell/Sprachmodule.h) and makes the loaded one the source of every text: tr() in the
// windows and vsk::text() in the core. At most one module is loaded at a time.

#include <QByteArray>
#include <QLocale>
#include <filesystem>
#include <memory>

class QTranslator;

namespace vsk {

class Sprachumschaltung {
public:
    // Counts the modules beside programmdatei once, as the language windows do at creation.
    explicit Sprachumschaltung(std::filesystem::path programmdatei);
    // Removes the module again; the built-in English texts return.
    ~Sprachumschaltung();
    Sprachumschaltung(const Sprachumschaltung&) = delete;
    Sprachumschaltung& operator=(const Sprachumschaltung&) = delete;

    int AnzahlSprachen() const { return anzahlSprachen_; }
    bool ModulGeladen() const { return modul_ != nullptr; }

    // Loads the module for a Windows language identifier and replaces the previous one;
    // false when there is no readable module, and then the current texts stay. Windows
    // re-read their texts on the QEvent::LanguageChange that follows a successful load.
    bool LadeSprachmodul(int sprachID);
    // True when a module for the identifier lies beside the program.
    bool ModulVorhanden(int sprachID) const;
    // Drops the loaded module: the built-in English texts return.
    void EntferneModul();

private:
    std::filesystem::path programmdatei_;
    int anzahlSprachen_;
    // The translator reads from its data in place, so both live together.
    QByteArray modulDaten_;
    std::unique_ptr<QTranslator> modul_;
    std::unique_ptr<QTranslator> qtTexte_;
};

// The locale of a Windows language identifier (2055 de_CH, 3082 es_ES, ...); C for
// an identifier not known here.
QLocale LocaleFuerSprachID(int sprachID);

} // namespace vsk
