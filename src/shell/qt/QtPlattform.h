#pragma once
// Platform services from Qt without widgets: locale, date, settings file location.
// Messages go to standard error and questions take their default answer; the widget
// layer overrides the dialogs with message boxes (shell/ui/DialogPlattform).

#include "shell/Plattform.h"

#include <QLocale>

namespace vsk {

class QtPlattform : public Plattform {
public:
    // programmdatei: path of the running program; the settings file lies beside it.
    explicit QtPlattform(std::filesystem::path programmdatei, QLocale locale = QLocale::system());

    char Dezimaltrenner() const override;
    std::string HeuteText() const override;
    int SystemSprachID() const override;
    std::filesystem::path Einstellungsdatei() const override;

    void Meldung(const std::string& text) override;
    void Information(const std::string& text) override;
    void Fehler(const std::string& text) override;
    bool FrageJaNein(const std::string& text) override;
    Antwort FrageJaNeinAbbrechen(const std::string& text) override;

    const QLocale& Locale() const { return locale_; }

private:
    std::filesystem::path programmdatei_;
    QLocale locale_;
};

// Windows language identifier of a locale (2057 English, 2055 German (Switzerland), ...).
int SprachIDFuer(const QLocale& locale);

} // namespace vsk
