#pragma once
// A page device that counts the pages a layout takes without drawing them: it has the
// page and the text metrics of another device, started document, and draws nothing.

#include "canvas/Messleinwand.h"
#include "reports/Seitenziel.h"

namespace vsk {

class Seitenzaehler final : public Drucker {
public:
    // vorbild: a device whose document is started (its canvas measures the texts).
    explicit Seitenzaehler(Drucker& vorbild) : vorbild_(vorbild), leinwand_(vorbild.Leinwand()) {}

    Druckergeometrie Geometrie() const override { return vorbild_.Geometrie(); }
    bool BeginDoc(const std::string&) override {
        seiten_ = 1;
        return true;
    }
    void NewPage() override { ++seiten_; }
    bool EndDoc() override { return true; }
    Canvas& Leinwand() override { return leinwand_; }
    Rechteck SeitenClip() const override { return vorbild_.SeitenClip(); }

    int Seiten() const { return seiten_; }

private:
    Drucker& vorbild_;
    Messleinwand leinwand_;
    int seiten_ = 1;
};

} // namespace vsk
