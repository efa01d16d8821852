#pragma once
// Another platform's services without its message boxes: for work the user did not start
// position by position (a whole project designed for its report), where a message per
// position would only be in the way. Errors and questions still reach the user.

#include "shell/Plattform.h"

namespace vsk {

class StillePlattform final : public Plattform {
public:
    explicit StillePlattform(Plattform& quelle) : quelle_(quelle) {}

    char Dezimaltrenner() const override { return quelle_.Dezimaltrenner(); }
    std::string HeuteText() const override { return quelle_.HeuteText(); }
    int SystemSprachID() const override { return quelle_.SystemSprachID(); }
    std::filesystem::path Einstellungsdatei() const override { return quelle_.Einstellungsdatei(); }
    void Meldung(const std::string&) override {}
    void Information(const std::string&) override {}
    void Fehler(const std::string& text) override { quelle_.Fehler(text); }
    bool FrageJaNein(const std::string& text) override { return quelle_.FrageJaNein(text); }
    Antwort FrageJaNeinAbbrechen(const std::string& text) override {
        return quelle_.FrageJaNeinAbbrechen(text);
    }

private:
    Plattform& quelle_;
};

} // namespace vsk
