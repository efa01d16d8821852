#pragma once
// Quiet platform services for the benchmarks: fixed locale and date, nothing is shown,
// questions answer No.

#include "shell/Plattform.h"

#include <filesystem>
#include <string>
#include <utility>

namespace vsk::bench {

class Messplattform final : public Plattform {
public:
    explicit Messplattform(std::filesystem::path einstellungen = "VSK.INI")
        : einstellungen_(std::move(einstellungen)) {}

    char Dezimaltrenner() const override { return '.'; }
    std::string HeuteText() const override { return "09.12.2026"; }
    int SystemSprachID() const override { return 2057; }
    std::filesystem::path Einstellungsdatei() const override { return einstellungen_; }
    void Meldung(const std::string&) override {}
    void Information(const std::string&) override {}
    void Fehler(const std::string&) override {}
    bool FrageJaNein(const std::string&) override { return false; }
    Antwort FrageJaNeinAbbrechen(const std::string&) override { return Antwort::Nein; }

private:
    std::filesystem::path einstellungen_;
};

} // namespace vsk::bench
