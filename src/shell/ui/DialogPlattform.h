#pragma once
// Platform services of the windowed program: messages and questions as modal message
// boxes over the active window; questions carry the application title as caption.

#include "shell/qt/QtPlattform.h"

namespace vsk {

class DialogPlattform final : public QtPlattform {
public:
    using QtPlattform::QtPlattform;

    void Meldung(const std::string& text) override;
    void Information(const std::string& text) override;
    void Fehler(const std::string& text) override;
    bool FrageJaNein(const std::string& text) override;
    Antwort FrageJaNeinAbbrechen(const std::string& text) override;
};

// The application title ("Tervo - VSK / VSKQ Shear Connectros"), the caption of every
// message box and question.
QString AnwendungsTitel();

} // namespace vsk
