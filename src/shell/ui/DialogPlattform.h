#pragma once
// Platform services of the windowed programs (vsk, start): messages and questions as
// modal message boxes over the active window, with the program's caption.

#include "shell/qt/QtPlattform.h"

#include <QString>

#include <functional>

namespace vsk {

// The application title ("Tervo - VSK / VSKQ Shear Connectros"), the caption of every
// message box and question of the design program.
QString AnwendungsTitel();

class DialogPlattform final : public QtPlattform {
public:
    using Titel = std::function<QString()>;

    // titel gives the caption of the boxes when they are shown (the language may change).
    explicit DialogPlattform(std::filesystem::path programmdatei,
                             QLocale locale = QLocale::system(), Titel titel = AnwendungsTitel);

    void Meldung(const std::string& text) override;
    void Information(const std::string& text) override;
    void Fehler(const std::string& text) override;
    bool FrageJaNein(const std::string& text) override;
    Antwort FrageJaNeinAbbrechen(const std::string& text) override;
    // $XDG_STATE_HOME/VSK or ~/.local/state/VSK.
    std::filesystem::path Sicherungsordner() const override;

private:
    Titel titel_;
};

} // namespace vsk
