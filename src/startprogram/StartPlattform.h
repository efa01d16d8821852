#pragma once
// Platform services of the start program: the Qt ones, with messages and questions in
// message boxes whose caption is the application title.

#include "shell/qt/QtPlattform.h"

namespace vsk {

class StartPlattform final : public QtPlattform {
public:
    using QtPlattform::QtPlattform;

    void Meldung(const std::string& text) override;
    void Information(const std::string& text) override;
    void Fehler(const std::string& text) override;
    bool FrageJaNein(const std::string& text) override;
    Antwort FrageJaNeinAbbrechen(const std::string& text) override;
};

} // namespace vsk
