#include "dxf/BewehrungsZeichnung.h"

#include "model/Anwendung.h"

#include <gtest/gtest.h>

#include <functional>

namespace vsk {
namespace {

BewehrungsAngaben Angaben(int anzB, int anzD, int lagen) {
    BewehrungsAngaben a;
    a.h = 250;
    a.cO = 30;
    a.cU = 35;
    a.cV = 40;
    a.Tbx = 387;
    a.Tby = 600;
    a.Bezeichnung = "VSK 7";
    a.Dorn = TKDornDaten(6);
    a.Dorn.AnzB = anzB;
    a.Dorn.AbstandB.assign(static_cast<std::size_t>(anzB), 100);
    if (anzB > 0) {
        a.Dorn.AbstandB[0] = 60;
    }
    a.Dorn.DurchmB = 10;
    a.Dorn.AnzD = anzD;
    a.Dorn.AbstandD.assign(static_cast<std::size_t>(anzD / 2 - 1), 70);
    a.Dorn.DurchmD = 12;
    a.Dorn.BreiteBuegel = 80 + 2 * 70.0 * (anzD / 2 - 1);
    a.Dorn.AnzLagen = lagen;
    return a;
}

struct Zeichnung {
    DXF_Object objekt;
    BewehrungsAngaben a;
    explicit Zeichnung(BewehrungsAngaben angaben, char trenner = '.') : a(std::move(angaben)) {
        ZeichneBewehrung(objekt, a, trenner);
    }
    const DXF_Layer& Layer() const { return *objekt.Layers().at(0); }

    template <typename T> std::vector<const T*> Alle(const char* name) const {
        std::vector<const T*> alle;
        for (const auto& liste : Layer().EntityLists()) {
            if (liste.Name() == name) {
                for (const auto& e : liste.Entities()) {
                    alle.push_back(static_cast<const T*>(e.get()));
                }
            }
        }
        return alle;
    }
    template <typename T>
    int Zaehle(const char* name, const std::function<bool(const T&)>& passt) const {
        int n = 0;
        for (const T* e : Alle<T>(name)) {
            n += passt(*e) ? 1 : 0;
        }
        return n;
    }
    // Regions: plan view above y = -DornLaenge, view and section below; the section
    // right of the view.
    double Unten() const { return -(a.h + 2 * a.Dorn.DornLaenge); }
    double SchnittX() const { return a.Tby + 2 * a.Dorn.DornLaenge; }
    bool ImGrundriss(const Point3D& p) const { return p.y > -a.Dorn.DornLaenge - 1; }
    bool InAnsicht(const Point3D& p) const {
        return !ImGrundriss(p) && p.x < SchnittX() - a.Dorn.DornLaenge - 1;
    }
    bool ImSchnitt(const Point3D& p) const { return !ImGrundriss(p) && !InAnsicht(p); }

    int BStaebeGrundriss() const {
        return Zaehle<Line_>("Line_", [&](const Line_& l) {
            return l.Colour() == 7 && ImGrundriss(l.Start()) && l.Start().x == -a.Tby / 2 &&
                   l.Ende().x == a.Tby / 2;
        });
    }
    int BStaebeAnsicht() const {
        return Zaehle<Line_>("Line_", [&](const Line_& l) {
            return l.Colour() == 7 && InAnsicht(l.Start()) && l.Start().x == -a.Tby / 2 &&
                   l.Ende().x == a.Tby / 2;
        });
    }
    int BKreiseSchnitt() const {
        return Zaehle<Circle_>("Circle_", [&](const Circle_& k) {
            return ImSchnitt(k.Mitte()) && k.Radius() == a.Dorn.DurchmB / 2.0;
        });
    }
    int BoegenIn(const std::function<bool(const Point3D&)>& bereich) const {
        return Zaehle<Arc_>("Arc_", [&](const Arc_& b) { return bereich(b.Mitte()); });
    }
};

TEST(BewehrungsZeichnung, OneLayerHasTheBarsOfBothPositions) {
    Zeichnung z(Angaben(3, 6, 1));
    EXPECT_EQ(z.BStaebeGrundriss(), 2 * 3) << "three B-bar outlines of two lines each";
    EXPECT_EQ(z.BStaebeAnsicht(), 2 * 2) << "one top and one bottom B bar";
    EXPECT_EQ(z.BKreiseSchnitt(), 2 * 3);
    // U-bars: one round cap each in the plan view, two in the view, one U-bar (four
    // bends) in the section.
    EXPECT_EQ(z.BoegenIn([&](const Point3D& p) { return z.ImGrundriss(p); }), 6);
    EXPECT_EQ(z.BoegenIn([&](const Point3D& p) { return z.InAnsicht(p); }), 2 * 6);
    EXPECT_EQ(z.BoegenIn([&](const Point3D& p) { return z.ImSchnitt(p); }), 4);
}

TEST(BewehrungsZeichnung, TwoLayersDoubleTheBBarsAndTheUBarOfTheSection) {
    Zeichnung z(Angaben(2, 6, 2));
    EXPECT_EQ(z.BStaebeGrundriss(), 2 * 2);
    EXPECT_EQ(z.BStaebeAnsicht(), 2 * 4);
    EXPECT_EQ(z.BKreiseSchnitt(), 2 * 2 * 2);
    EXPECT_EQ(z.BoegenIn([&](const Point3D& p) { return z.ImSchnitt(p); }), 8);
}

TEST(BewehrungsZeichnung, FourUBarsAppearInPlanViewAndView) {
    Zeichnung z(Angaben(3, 4, 1));
    EXPECT_EQ(z.BoegenIn([&](const Point3D& p) { return z.ImGrundriss(p); }), 4);
    EXPECT_EQ(z.BoegenIn([&](const Point3D& p) { return z.InAnsicht(p); }), 2 * 4);
    // The inner pair straddles the connector at the centre spacing.
    double innen = z.a.Dorn.BreiteBuegel / 2 - 70;
    EXPECT_EQ(z.BoegenIn([&](const Point3D& p) { return z.InAnsicht(p) && p.x == -innen; }), 2);
}

TEST(BewehrungsZeichnung, EntitiesComeGroupedTextsFirst) {
    Zeichnung z(Angaben(3, 6, 1));
    const auto& listen = z.Layer().EntityLists();
    ASSERT_EQ(listen.size(), 4u);
    EXPECT_EQ(listen[0].Name(), "Text_");
    EXPECT_EQ(listen[1].Name(), "Line_");
    EXPECT_EQ(listen[2].Name(), "Arc_");
    EXPECT_EQ(listen[3].Name(), "Circle_");

    auto texte = z.Alle<Text_>("Text_");
    EXPECT_EQ(texte[0]->Inhalt(), "Reinforcement for Tervo shear connector in the building VSK 7");
    EXPECT_EQ(texte[0]->Hoehe(), 45);
    EXPECT_EQ(texte[0]->Position(), Point3D(750, 0));
    EXPECT_EQ(texte[1]->Inhalt(), "Plan view");
    EXPECT_EQ(texte[1]->Hoehe(), 30);
    // S2 = 2 cV + sum of AbstandB = 80 + 260
    EXPECT_EQ(texte[1]->Position(), Point3D(-300, 340 + 175));
    EXPECT_EQ(texte[2]->Inhalt(), "Top and Bottom: 2 x 3 - T10");
    EXPECT_EQ(texte[2]->Ausrichtung(), 1);

    auto linien = z.Alle<Line_>("Line_");
    EXPECT_EQ(linien[0]->Start(), Point3D(-300, 0));
    EXPECT_EQ(linien[0]->Ende(), Point3D(300, 0));
    EXPECT_EQ(linien[0]->Colour(), 5);
    EXPECT_EQ(linien[1]->Colour(), 4);
}

TEST(BewehrungsZeichnung, VerticalDimensionTextsSitLeftOfTheirLine) {
    Zeichnung z(Angaben(3, 6, 1));
    auto texte = z.Alle<Text_>("Text_");
    // The first B spacing of the plan view: from (xd, 60) to (xd, 0), xd = 300 + 50.
    const Text_& t = *texte[3];
    EXPECT_EQ(t.Inhalt(), "60");
    EXPECT_EQ(t.DrehungGrad(), 90);
    EXPECT_EQ(t.Ausrichtung(), 2);
    EXPECT_EQ(t.Position(), Point3D(344, 60));
    EXPECT_EQ(t.AusrichtPunkt(), Point3D(344, 30));
}

TEST(BewehrungsZeichnung, DimensionNumbersUseTheUsersSeparator) {
    BewehrungsAngaben a = Angaben(2, 2, 1);
    a.Dorn.BreiteBuegel = 80.5;
    Zeichnung z(a, ',');
    int gefunden = z.Zaehle<Text_>("Text_", [](const Text_& t) { return t.Inhalt() == "80,5"; });
    EXPECT_EQ(gefunden, 1);
}

TEST(BewehrungsZeichnung, SleevesOfZeroWidthStillGiveTheirLines) {
    BewehrungsAngaben a = Angaben(2, 4, 1);
    a.Dorn.HuelseBreite = 0;
    Zeichnung ohne(a);
    a.Dorn.HuelseBreite = 50;
    Zeichnung mit(a);
    EXPECT_EQ(AnzahlEntities(ohne.objekt, "Line_"), AnzahlEntities(mit.objekt, "Line_"));
}

TEST(BewehrungsZeichnung, NoBBarsAndShortListsDrawWithoutFailing) {
    BewehrungsAngaben a = Angaben(0, 2, 1);
    a.Dorn.AnzD = 8; // more U-bars than spacings: missing spacings read as 0
    Zeichnung z(a);
    EXPECT_EQ(z.BStaebeGrundriss(), 0);
    EXPECT_EQ(z.BKreiseSchnitt(), 0);
    EXPECT_GT(AnzahlEntities(z.objekt, "Line_"), 0u);
}

TEST(BewehrungsZeichnung, ReadsTheSelectedTypeOfThePosition) {
    TKAnwendung position;
    position.cGeometrie.TPlatteDicke = 300;
    position.cErgebnisse.TAktDorn = 12;
    position.cErgebnisse.DornErgebnis(12).Tby = 500;
    position.cErgebnisse.DornDaten(12).AnzB = 4;
    BewehrungsAngaben a = BewehrungsAngabenVon(position);
    EXPECT_EQ(a.h, 300);
    EXPECT_EQ(a.Tby, 500);
    EXPECT_EQ(a.Bezeichnung, "VSKQ 4");
    EXPECT_EQ(a.Dorn.AnzB, 4);
}

struct AnzeigeDouble : DxfAnzeige {
    DXF_Object objekt;
    std::vector<std::string> aufrufe;
    DXF_Object& Zeichnung() override { return objekt; }
    void Zeigen() override { aufrufe.push_back("zeigen " + std::to_string(Linien())); }
    void Speichern() override { aufrufe.push_back("speichern " + std::to_string(Linien())); }
    std::size_t Linien() const { return AnzahlEntities(objekt, "Line_"); }
};

TEST(BewehrungsZeichnung, ExportFillsTheWindowsDrawingBeforeShowingOrSaving) {
    TKAnwendung position;
    AnzeigeDouble zeigen;
    ExportiereBewehrung(position, '.', DxfExportModus::Zeigen, zeigen);
    ASSERT_EQ(zeigen.aufrufe.size(), 1u);
    EXPECT_EQ(zeigen.aufrufe[0], "zeigen " + std::to_string(zeigen.Linien()));
    EXPECT_GT(zeigen.Linien(), 0u);
    AnzeigeDouble speichern;
    ExportiereBewehrung(position, '.', DxfExportModus::Speichern, speichern);
    EXPECT_EQ(speichern.aufrufe,
              std::vector<std::string>{"speichern " + std::to_string(zeigen.Linien())});
}

} // namespace
} // namespace vsk
