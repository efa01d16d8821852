#include "design/ui/BST500.h"

#include "shell/Zahlen.h"

#include <QStringList>

#include <algorithm>

namespace vsk {

namespace {
std::vector<int> Groessen(const QString& liste) {
    std::vector<int> werte;
    for (const QString& teil : liste.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const auto wert = LeseGanzzahl(teil.toStdString());
        if (wert && *wert > 0 && *wert <= 1000) {
            werte.push_back(static_cast<int>(*wert));
        }
    }
    std::sort(werte.begin(), werte.end());
    werte.erase(std::unique(werte.begin(), werte.end()), werte.end());
    return werte;
}
} // namespace

TBST500::TBST500(QWidget* parent) : TUpDown(parent) {
    setStabListe(QString());
}

void TBST500::setStabListe(const QString& liste) {
    std::vector<int> werte = Groessen(liste);
    if (werte.empty()) {
        werte = Groessen(QString::fromLatin1(VorgabeListe));
        liste_ = QString::fromLatin1(VorgabeListe);
    } else {
        liste_ = liste;
    }
    werte_ = std::move(werte);
    setRange(werte_.front(), werte_.back());
}

int TBST500::Auf(int p) const {
    const auto it = std::lower_bound(werte_.begin(), werte_.end(), p);
    return it == werte_.end() ? werte_.back() : *it;
}

int TBST500::Ab(int p) const {
    const auto it = std::upper_bound(werte_.begin(), werte_.end(), p);
    return it == werte_.begin() ? werte_.front() : *(it - 1);
}

int TBST500::Ziel(int p, bool aufwaerts) const {
    return aufwaerts ? Auf(p) : Ab(p);
}

} // namespace vsk
