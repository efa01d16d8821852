#pragma once
// Scripted platform services for tests: fixed locale and date, recorded messages,
// questions answered from a queue (Ja when the queue is empty).

#include "shell/Plattform.h"

#include <deque>
#include <string>
#include <vector>

namespace vsk::test {

class PlattformDouble : public Plattform {
public:
    char trenner = '.';
    std::string heute = "09.12.2026";
    int sprachID = 2057;
    std::filesystem::path einstellungsdatei = "VSK.INI";
    std::filesystem::path sicherungsordner; // none: no recovery copies

    std::vector<std::string> meldungen; // Meldung and Information, in order
    std::vector<std::string> fehler;    // Fehler
    std::vector<std::string> fragen;    // every question asked
    std::deque<Antwort> antworten;      // scripted answers

    char Dezimaltrenner() const override { return trenner; }
    std::string HeuteText() const override { return heute; }
    int SystemSprachID() const override { return sprachID; }
    std::filesystem::path Einstellungsdatei() const override { return einstellungsdatei; }
    std::filesystem::path Sicherungsordner() const override { return sicherungsordner; }

    void Meldung(const std::string& text) override { meldungen.push_back(text); }
    void Information(const std::string& text) override { meldungen.push_back(text); }
    void Fehler(const std::string& text) override { fehler.push_back(text); }
    bool FrageJaNein(const std::string& text) override {
        return NaechsteAntwort(text) == Antwort::Ja;
    }
    Antwort FrageJaNeinAbbrechen(const std::string& text) override { return NaechsteAntwort(text); }

private:
    Antwort NaechsteAntwort(const std::string& text) {
        fragen.push_back(text);
        if (antworten.empty()) {
            return Antwort::Ja;
        }
        Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
};

} // namespace vsk::test
