#pragma once
// The bar-size stepper: an up-down control that moves through a list of allowed bar
// diameters instead of single steps.

#include "design/ui/UpDown.h"

#include <QString>
#include <vector>

namespace vsk {

class TBST500 final : public TUpDown {
    Q_OBJECT
public:
    static constexpr const char* VorgabeListe = "6;8;10;12;14;16;20;25;28";

    explicit TBST500(QWidget* parent = nullptr);

    QString StabListe() const { return liste_; }
    // Sizes separated by ";"; an empty text, or one without a single usable size, means
    // the default list. Sizes are taken in ascending order without repeats, so a list
    // written out of order still steps from size to size; entries that are not whole
    // positive numbers are left out. The range becomes the first to the last size.
    void setStabListe(const QString& liste);
    const std::vector<int>& Werte() const { return werte_; }

    // Smallest listed size >= p; the largest size above it.
    int Auf(int p) const;
    // Largest listed size <= p; the smallest size below it.
    int Ab(int p) const;

protected:
    int Ziel(int p, bool aufwaerts) const override;

private:
    QString liste_;
    std::vector<int> werte_;
};

} // namespace vsk
