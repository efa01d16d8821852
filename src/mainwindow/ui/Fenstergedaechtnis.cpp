#include "mainwindow/ui/Fenstergedaechtnis.h"

#include "shell/Einstellungen.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>

#include <algorithm>

namespace vsk {

namespace {

// The first client size of the main window.
constexpr Fenstergroesse Anfangsgroesse{792, 592};
// Room for the frame and the title bar, which do not exist before the window is shown.
constexpr Fenstergroesse Rahmen{16, 40};

Fensterrechteck Rechteck(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect Rechteck(const Fensterrechteck& r) {
    return {r.links, r.oben, r.breite, r.hoehe};
}

QSize Groesse(const Fenstergroesse& g) {
    return {g.breite, g.hoehe};
}

Fenstergroesse Groesse(const QSize& s) {
    return {s.width(), s.height()};
}

std::vector<Fensterrechteck> Bildschirme() {
    std::vector<Fensterrechteck> schirme;
    for (const QScreen* s : QGuiApplication::screens()) {
        schirme.push_back(Rechteck(s->availableGeometry()));
    }
    return schirme;
}

QRect Hauptbildschirm() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s != nullptr ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The available area of the screen that holds the point, else of the primary screen.
QRect BildschirmBei(const QPoint& p) {
    const QScreen* s = QGuiApplication::screenAt(p);
    return s != nullptr ? s->availableGeometry() : Hauptbildschirm();
}

bool AlleSichtbar(const std::vector<int>& groessen) {
    return !groessen.empty() &&
           std::all_of(groessen.begin(), groessen.end(), [](int g) { return g > 0; });
}

std::vector<int> Groessen(const QSplitter& teiler) {
    const QList<int> g = teiler.sizes();
    return {g.begin(), g.end()};
}

} // namespace

TFenstergedaechtnis::TFenstergedaechtnis(QMainWindow& fenster, QSplitter& navigation,
                                         QSplitter& uebersicht, QWidget& zoom)
    : QObject(&fenster), fenster_(fenster), navigation_(navigation), uebersicht_(uebersicht),
      zoom_(zoom) {
    connect(&navigation_, &QSplitter::splitterMoved, this,
            [this] { TeilerMerken(navigation_, navigationGroessen_); });
    connect(&uebersicht_, &QSplitter::splitterMoved, this,
            [this] { TeilerMerken(uebersicht_, uebersichtGroessen_); });
}

void TFenstergedaechtnis::TeilerMerken(QSplitter& teiler, std::vector<int>& groessen) {
    const std::vector<int> jetzt = Groessen(teiler);
    if (AlleSichtbar(jetzt)) {
        groessen = jetzt;
    }
}

void TFenstergedaechtnis::Wiederherstellen(const Einstellungen& einstellungen) {
    const Fensterlagen lagen = LeseFensterlagen(einstellungen);
    const QRect schirm = lagen.hauptfenster && LageErreichbar(*lagen.hauptfenster, Bildschirme())
                             ? BildschirmBei(Rechteck(*lagen.hauptfenster).topLeft())
                             : Hauptbildschirm();
    const Fenstergroesse verfuegbar = Groesse(schirm.size());
    const Fenstergroesse groesse = PassendeGroesse(
        lagen.hauptfenster ? Fenstergroesse{lagen.hauptfenster->breite, lagen.hauptfenster->hoehe}
                           : Anfangsgroesse,
        verfuegbar, Rahmen);
    // A screen smaller than the window's minimum at this scale still holds the window.
    fenster_.setMinimumSize(fenster_.minimumSize().boundedTo(Groesse(groesse)));
    if (lagen.hauptfenster && LageErreichbar(*lagen.hauptfenster, Bildschirme())) {
        // The stored rectangle is the client area, as setGeometry takes it.
        fenster_.setGeometry(
            QRect(QPoint(lagen.hauptfenster->links, lagen.hauptfenster->oben), Groesse(groesse)));
    } else {
        fenster_.resize(Groesse(groesse));
        QRect r(QPoint(), Groesse(groesse) + Groesse(Rahmen));
        r.moveCenter(schirm.center());
        fenster_.move(r.topLeft());
    }
    if (lagen.maximiert) {
        fenster_.setWindowState(fenster_.windowState() | Qt::WindowMaximized);
    }
    if (AlleSichtbar(lagen.teilerNavigation) &&
        lagen.teilerNavigation.size() == static_cast<std::size_t>(navigation_.count())) {
        navigation_.setSizes({lagen.teilerNavigation.begin(), lagen.teilerNavigation.end()});
        navigationGroessen_ = lagen.teilerNavigation;
    }
    if (AlleSichtbar(lagen.teilerUebersicht) &&
        lagen.teilerUebersicht.size() == static_cast<std::size_t>(uebersicht_.count())) {
        uebersicht_.setSizes({lagen.teilerUebersicht.begin(), lagen.teilerUebersicht.end()});
        uebersichtGroessen_ = lagen.teilerUebersicht;
    }
    if (lagen.zoomfenster) {
        zoom_.resize(Groesse(PassendeGroesse(*lagen.zoomfenster, verfuegbar, Rahmen)));
    }
}

Fensterlagen TFenstergedaechtnis::Lagen() const {
    Fensterlagen lagen;
    lagen.hauptfenster = Rechteck(fenster_.normalGeometry().isValid() ? fenster_.normalGeometry()
                                                                      : fenster_.geometry());
    lagen.maximiert = fenster_.isMaximized();
    const std::vector<int> navigation = Groessen(navigation_);
    lagen.teilerNavigation = AlleSichtbar(navigation) ? navigation : navigationGroessen_;
    const std::vector<int> uebersicht = Groessen(uebersicht_);
    lagen.teilerUebersicht = AlleSichtbar(uebersicht) ? uebersicht : uebersichtGroessen_;
    lagen.zoomfenster = Groesse(zoom_.size());
    return lagen;
}

void TFenstergedaechtnis::Merken(Einstellungen& einstellungen) const {
    SchreibeFensterlagen(einstellungen, Lagen());
}

} // namespace vsk
