#pragma once
// The services of another platform without its messages and questions: for work the user
// does not watch (a second reading of a file, a design on a copy), whose messages were or
// will be shown elsewhere.

#include "shell/Plattform.h"

namespace vsk {

class StillePlattform final : public Plattform {
public:
    explicit StillePlattform(const Plattform& basis) : basis_(basis) {}
    char Dezimaltrenner() const override { return basis_.Dezimaltrenner(); }
    std::string HeuteText() const override { return basis_.HeuteText(); }
    int SystemSprachID() const override { return basis_.SystemSprachID(); }
    std::filesystem::path Einstellungsdatei() const override { return basis_.Einstellungsdatei(); }
    void Meldung(const std::string&) override {}
    void Information(const std::string&) override {}
    void Fehler(const std::string&) override {}
    bool FrageJaNein(const std::string&) override { return false; }
    Antwort FrageJaNeinAbbrechen(const std::string&) override { return Antwort::Abbrechen; }

private:
    const Plattform& basis_;
};

} // namespace vsk
