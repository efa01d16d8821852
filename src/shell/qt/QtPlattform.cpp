#include "shell/qt/QtPlattform.h"

#include "shell/Einstellungen.h"

#include <QDate>
#include <cstdlib>
#include <iostream>

namespace vsk {

QtPlattform::QtPlattform(std::filesystem::path programmdatei, QLocale locale)
    : programmdatei_(std::move(programmdatei)), locale_(std::move(locale)) {}

char QtPlattform::Dezimaltrenner() const {
    QString s = locale_.decimalPoint();
    return s.size() == 1 && s[0].unicode() < 128 ? static_cast<char>(s[0].unicode()) : '.';
}

std::string QtPlattform::HeuteText() const {
    // Without a locale setting (LANG=C) the short format would spell the month in English
    // ("9 Dec 2026"); the built-in language is British English, so its format is used.
    const QLocale locale = locale_.language() == QLocale::C
                               ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                               : locale_;
    return locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

int QtPlattform::SystemSprachID() const {
    return SprachIDFuer(locale_);
}

std::filesystem::path QtPlattform::Einstellungsdatei() const {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    // One settings file for the design program and its command-line companion: the one
    // named after the design program ("vsk.INI") beside the running program.
    return EinstellungsdateiFuer(programmdatei_.parent_path() / "vsk", xdg ? xdg : "",
                                 home ? home : "");
}

void QtPlattform::Meldung(const std::string& text) {
    std::cerr << text << '\n';
}
void QtPlattform::Information(const std::string& text) {
    std::cerr << text << '\n';
}
void QtPlattform::Fehler(const std::string& text) {
    std::cerr << text << '\n';
}
bool QtPlattform::FrageJaNein(const std::string& text) {
    std::cerr << text << '\n';
    return false;
}
Antwort QtPlattform::FrageJaNeinAbbrechen(const std::string& text) {
    std::cerr << text << '\n';
    return Antwort::Abbrechen;
}

int SprachIDFuer(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::German:
        if (locale.territory() == QLocale::Switzerland) {
            return 2055;
        }
        if (locale.territory() == QLocale::Austria) {
            return 3079;
        }
        return 1031;
    case QLocale::English:
        return locale.territory() == QLocale::UnitedStates ? 1033 : 2057;
    case QLocale::French:
        return 1036;
    case QLocale::Italian:
        return 1040;
    case QLocale::Dutch:
        return 1043;
    case QLocale::Spanish:
        return 3082;
    default:
        return 1033;
    }
}

} // namespace vsk
