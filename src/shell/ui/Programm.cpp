#include "shell/ui/Programm.h"

#include <exception>

namespace vsk {

Programm::Programm(Plattform& plattform)
    : plattform_(plattform),
      einstellungen_(plattform.Einstellungsdatei(), plattform.Dezimaltrenner()) {
    // Read once, here: a settings file that cannot be read is reported once, and every
    // value takes its default.
    if (const auto meldung = einstellungen_.LesefehlerMeldung()) {
        plattform_.Meldung(*meldung);
    }
}

Programm::~Programm() {
    // The orderly shutdown frees the model through ModellFreigeben; this only guards
    // against an early exit, where nothing more may be written or shown.
    aktModell_.reset();
    farben_.reset();
}

void Programm::NeuesModell() {
    // A failed write of the old factors must not leave the program without a project; the
    // new one is made after the old one wrote them, so its position starts from them.
    std::exception_ptr fehler = AltesModellFreigeben();
    aktModell_ = LeeresModell();
    verlauf_.Leeren();
    if (fehler) {
        std::rethrow_exception(fehler);
    }
}

std::exception_ptr Programm::AltesModellFreigeben() {
    try {
        ModellFreigeben();
    } catch (const SchreibFehler&) {
        return std::current_exception();
    }
    return nullptr;
}

std::unique_ptr<TKModell> Programm::LeeresModell() {
    return std::make_unique<TKModell>(&einstellungen_, plattform_.HeuteText());
}

void Programm::ErsetzeModell(std::unique_ptr<TKModell> neu) {
    std::exception_ptr fehler = AltesModellFreigeben();
    aktModell_ = std::move(neu);
    verlauf_.Leeren();
    if (fehler) {
        std::rethrow_exception(fehler);
    }
}

void Programm::ModellFreigeben() {
    if (!aktModell_) {
        return;
    }
    std::unique_ptr<TKModell> alt = std::move(aktModell_);
    alt->Verwerfen(); // may raise SchreibFehler; the model is gone either way
}

void Programm::FarbenLaden() {
    if (!farben_) {
        farben_ = std::make_unique<TKFarbe>(einstellungen_);
    }
}

void Programm::FarbenFreigeben() {
    if (!farben_) {
        return;
    }
    std::unique_ptr<TKFarbe> alt = std::move(farben_);
    alt->Speichern(einstellungen_);
}

std::string KommandozeilenDatei(int argc, const char* const* argv) {
    std::string datei;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            datei += ' ';
        }
        datei += argv[i];
    }
    const auto erstes = datei.find_first_not_of(' ');
    return erstes == std::string::npos ? std::string() : datei.substr(erstes);
}

} // namespace vsk
