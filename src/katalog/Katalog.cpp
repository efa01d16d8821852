#include "katalog/Katalog.h"

#include <algorithm>

namespace vsk {

namespace {

// Columns in the order of the structs in Katalog.h.
constexpr std::array<KatalogA, AnzDornTypen> tabelleA{{
    {180, 14, 40, 343, 800, 5, 76, 16, 145, 138, 0.87, 1.12, 0, 120, 40},      // VSK 1
    {180, 16, 48, 512, 800, 5, 76, 16, 145, 166, 0.87, 1.14, 0, 120, 40},      // VSK 2
    {180, 18, 50, 729, 800, 5, 82, 18, 145, 172, 0.87, 1.13, 0, 135, 50},      // VSK 3
    {180, 20, 65, 1000, 800, 5, 82, 20, 200, 230, 0.87, 1.1, 0, 155, 50},      // VSK 4
    {240, 22, 75, 1331, 800, 5, 83, 22, 230, 270, 0.87, 1.17, 0, 155, 60},     // VSK 5
    {320, 30, 100, 3699, 550, 8, 100, 30, 300, 360, 0.87, 1.35, 200, 210, 60}, // VSK 6
    {360, 35, 105, 5717, 550, 8, 110, 35, 310, 370, 0.87, 1.37, 240, 265, 60}, // VSK 7
    {450, 42, 120, 8232, 550, 8, 120, 42, 360, 530, 0.87, 1.4, 280, 275, 60},  // VSK 8
    {600, 52, 160, 13386, 420, 8, 180, 52, 491, 552, 0.87, 1.4, 330, 335, 60}, // VSK 9
    {600, 65, 180, 26961, 400, 10, 190, 55, 523, 621, 0.87, 1.4, 0, 365, 60},  // VSK 10
    {180, 16, 48, 512, 800, 5, 76, 16, 145, 166, 0.87, 1.14, 0, 140, 40},      // VSKQ 2
    {180, 18, 50, 729, 800, 5, 82, 18, 145, 172, 0.87, 1.13, 0, 160, 50},      // VSKQ 3
    {180, 20, 65, 1000, 800, 5, 82, 20, 200, 230, 0.87, 1.1, 0, 155, 50},      // VSKQ 4
    {240, 22, 75, 1331, 800, 5, 83, 22, 230, 270, 0.87, 1.17, 0, 175, 60},     // VSKQ 5
    {320, 30, 100, 3699, 550, 8, 100, 30, 300, 360, 0.87, 1.35, 200, 235, 60}, // VSKQ 6
    {360, 35, 105, 5717, 550, 8, 110, 35, 310, 370, 0.87, 1.37, 240, 280, 60}, // VSKQ 7
    {450, 42, 120, 8232, 550, 8, 120, 42, 360, 530, 0.87, 1.4, 280, 300, 60},  // VSKQ 8
    {600, 52, 160, 13386, 420, 8, 180, 52, 491, 552, 0.87, 1.4, 330, 350, 60}, // VSKQ 9
    {600, 65, 180, 26961, 400, 10, 190, 55, 523, 621, 0.87, 1.4, 0, 390, 60},  // VSKQ 10
}};

constexpr std::array<KatalogB, AnzDornTypen> tabelleB{{
    {10, 1, 60, 60, 260, 10, 4, 100, 60, 220, 60, 1, 80, 160},      // VSK 1
    {10, 1, 60, 60, 260, 12, 4, 100, 60, 220, 60, 1, 90, 180},      // VSK 2
    {10, 1, 60, 70, 260, 12, 6, 100, 70, 240, 70, 1, 90, 180},      // VSK 3
    {10, 1, 60, 70, 260, 10, 8, 120, 70, 400, 70, 1, 100, 200},     // VSK 4
    {12, 1, 60, 70, 260, 12, 8, 120, 70, 260, 70, 1, 120, 240},     // VSK 5
    {14, 1, 60, 70, 360, 14, 8, 120, 70, 400, 70, 1, 160, 320},     // VSK 6
    {12, 2, 60, 70, 360, 16, 8, 120, 70, 400, 70, 1, 180, 360},     // VSK 7
    {16, 2, 60, 70, 560, 16, 10, 120, 70, 540, 70, 1, 225, 450},    // VSK 8
    {16, 3, 60, 100, 560, 16, 16, 120, 100, 520, 100, 1, 300, 600}, // VSK 9
    {16, 3, 60, 100, 460, 20, 12, 120, 100, 640, 100, 1, 325, 650}, // VSK 10
    {10, 1, 60, 60, 260, 12, 4, 100, 60, 220, 60, 1, 90, 180},      // VSKQ 2
    {10, 1, 60, 70, 260, 12, 6, 100, 70, 220, 70, 1, 90, 180},      // VSKQ 3
    {10, 1, 60, 70, 260, 10, 8, 120, 70, 400, 70, 1, 100, 200},     // VSKQ 4
    {12, 1, 60, 70, 260, 12, 8, 120, 70, 260, 70, 1, 120, 240},     // VSKQ 5
    {14, 1, 60, 70, 360, 14, 8, 120, 70, 400, 70, 1, 160, 320},     // VSKQ 6
    {12, 2, 60, 70, 360, 16, 8, 120, 70, 400, 70, 1, 180, 360},     // VSKQ 7
    {16, 2, 60, 70, 560, 16, 10, 120, 70, 540, 70, 1, 225, 450},    // VSKQ 8
    {16, 3, 60, 100, 560, 16, 16, 120, 100, 520, 100, 1, 300, 600}, // VSKQ 9
    {16, 3, 60, 100, 460, 20, 12, 120, 100, 640, 100, 1, 325, 650}, // VSKQ 10
}};

constexpr std::array<KatalogC, AnzDornTypen> tabelleC{{
    {60, 100, 0, 18, 80, 140, 12, 12, 28, 58, 84},       // VSK 1
    {60, 100, 0, 20, 80, 140, 12, 12, 28, 58, 84},       // VSK 2
    {60, 100, 0, 22, 80, 160, 12, 12, 28, 58, 84},       // VSK 3
    {60, 125, 0, 25.4, 80, 160, 12, 12, 30, 58, 84},     // VSK 4
    {70, 150, 0, 25.4, 100, 180, 14, 14, 31, 63, 86},    // VSK 5
    {100, 200, 0, 35, 100, 200, 16, 16, 36, 90, 104},    // VSK 6
    {100, 200, 0, 40, 100, 200, 16, 16, 36, 95, 114},    // VSK 7
    {120, 240, 0, 48.3, 100, 240, 18, 18, 41, 90, 124},  // VSK 8
    {140, 280, 0, 57, 150, 300, 20, 20, 70, 155, 185},   // VSK 9
    {140, 280, 0, 70, 180, 350, 20, 20, 80, 150, 175},   // VSK 10
    {75, 120, 50, 25, 140, 140, 12, 12, 28, 58, 84},     // VSKQ 2
    {75, 120, 50, 25, 160, 160, 12, 12, 28, 58, 84},     // VSKQ 3
    {75, 135, 50, 25, 160, 160, 12, 12, 30, 58, 84},     // VSKQ 4
    {80, 150, 50, 30, 175, 175, 14, 14, 31, 63, 86},     // VSKQ 5
    {110, 200, 80, 40, 235, 235, 16, 16, 36, 90, 104},   // VSKQ 6
    {110, 200, 80, 45, 275, 275, 16, 16, 36, 95, 114},   // VSKQ 7
    {120, 240, 80, 54.5, 305, 305, 18, 18, 41, 90, 124}, // VSKQ 8
    {140, 280, 90, 62, 370, 370, 20, 20, 70, 155, 185},  // VSKQ 9
    {160, 320, 130, 75, 400, 400, 20, 20, 80, 150, 175}, // VSKQ 10
}};

// Joint width steps 0, 10, ... 60 mm; each type is permitted from 0 mm up to its fMax.
constexpr std::array<std::array<bool, AnzFugenbreiten>, AnzDornTypen> fugenbreiteZulaessig{{
    {{true, true, true, true, true, false, false}}, // VSK 1
    {{true, true, true, true, true, false, false}}, // VSK 2
    {{true, true, true, true, true, true, false}},  // VSK 3
    {{true, true, true, true, true, true, false}},  // VSK 4
    {{true, true, true, true, true, true, true}},   // VSK 5
    {{true, true, true, true, true, true, true}},   // VSK 6
    {{true, true, true, true, true, true, true}},   // VSK 7
    {{true, true, true, true, true, true, true}},   // VSK 8
    {{true, true, true, true, true, true, true}},   // VSK 9
    {{true, true, true, true, true, true, true}},   // VSK 10
    {{true, true, true, true, true, false, false}}, // VSKQ 2
    {{true, true, true, true, true, true, false}},  // VSKQ 3
    {{true, true, true, true, true, true, false}},  // VSKQ 4
    {{true, true, true, true, true, true, true}},   // VSKQ 5
    {{true, true, true, true, true, true, true}},   // VSKQ 6
    {{true, true, true, true, true, true, true}},   // VSKQ 7
    {{true, true, true, true, true, true, true}},   // VSKQ 8
    {{true, true, true, true, true, true, true}},   // VSKQ 9
    {{true, true, true, true, true, true, true}},   // VSKQ 10
}};

const std::array<std::string, AnzDornTypen> namen{
    {"VSK 1", "VSK 2", "VSK 3", "VSK 4", "VSK 5", "VSK 6", "VSK 7", "VSK 8", "VSK 9", "VSK 10",
     "VSKQ 2", "VSKQ 3", "VSKQ 4", "VSKQ 5", "VSKQ 6", "VSKQ 7", "VSKQ 8", "VSKQ 9", "VSKQ 10"}};
const std::array<std::string, AnzDornTypen> kennungen{
    {"VSK_001", "VSK_002", "VSK_003", "VSK_004", "VSK_005", "VSK_006", "VSK_007", "VSK_008",
     "VSK_009", "VSK_010", "VSKQ_002", "VSKQ_003", "VSKQ_004", "VSKQ_005", "VSKQ_006", "VSKQ_007",
     "VSKQ_008", "VSKQ_009", "VSKQ_010"}};

constexpr std::array<Betonwerte, AnzBetongueten> betonwerte{{
    {15, 0.22, 1.9}, // C16/20: fc deliberately 15
    {20, 0.26, 2.1},
    {25, 0.30, 2.4},
    {30, 0.34, 2.7},
}};

constexpr std::array<Stahlwerte, AnzStahlgueten> stahlwerte{{
    {500, 1.15},
    {450, 1.15},
}};

struct Stab {
    int durchmesser;
    double flaeche;
};
constexpr std::array<Stab, 9> stabflaechen{{
    {6, 28.3},
    {8, 50.3},
    {10, 78.5},
    {12, 113.1},
    {14, 154.0},
    {16, 201.0},
    {20, 314.0},
    {25, 491.0},
    {28, 616.0},
}};

} // namespace

int KlemmeDornTyp(int typ) {
    return std::clamp(typ, 0, AnzDornTypen - 1);
}

bool IstVSKQ(int typ) {
    return KlemmeDornTyp(typ) >= ErsterVSKQTyp;
}

const std::string& DornName(int typ) {
    return namen[static_cast<std::size_t>(KlemmeDornTyp(typ))];
}

const std::string& DornKennung(int typ) {
    return kennungen[static_cast<std::size_t>(KlemmeDornTyp(typ))];
}

int DornTypVonKennung(const std::string& kennung) {
    for (std::size_t i = 0; i < kennungen.size(); ++i) {
        if (kennungen[i] == kennung) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const KatalogA& TabelleA(int typ) {
    return tabelleA[static_cast<std::size_t>(KlemmeDornTyp(typ))];
}
const KatalogB& TabelleB(int typ) {
    return tabelleB[static_cast<std::size_t>(KlemmeDornTyp(typ))];
}
const KatalogC& TabelleC(int typ) {
    return tabelleC[static_cast<std::size_t>(KlemmeDornTyp(typ))];
}

bool FugenbreiteZulaessig(int typ, int stufe) {
    if (stufe < 0 || stufe >= AnzFugenbreiten) {
        return false;
    }
    return fugenbreiteZulaessig[static_cast<std::size_t>(KlemmeDornTyp(typ))]
                               [static_cast<std::size_t>(stufe)];
}

double FugenbreiteMm(int stufe) {
    return 10.0 * std::clamp(stufe, 0, AnzFugenbreiten - 1);
}

double Stabflaeche(int durchmesser) {
    for (const Stab& s : stabflaechen) {
        if (s.durchmesser == durchmesser) {
            return s.flaeche;
        }
    }
    return stabflaechen[0].flaeche;
}

const Betonwerte& Beton(int guete) {
    return betonwerte[static_cast<std::size_t>(std::clamp(guete, 0, AnzBetongueten - 1))];
}

const Stahlwerte& Stahl(int guete) {
    return stahlwerte[static_cast<std::size_t>(std::clamp(guete, 0, AnzStahlgueten - 1))];
}

TKDornDaten::TKDornDaten() {
    Laden(VorgabeDornTyp);
}

TKDornDaten::TKDornDaten(int typ) {
    Laden(typ);
}

void TKDornDaten::Laden(int typ) {
    typ = KlemmeDornTyp(typ);
    const KatalogA& a = TabelleA(typ);
    const KatalogB& b = TabelleB(typ);
    const KatalogC& c = TabelleC(typ);
    Typ = static_cast<std::uint8_t>(typ);
    MinDicke = a.hMin;
    BreiteBuegel = b.bD;
    LaengeB = b.lB;
    AnzLagen = b.nL;
    DurchmB = b.dB;
    DurchmD = b.dD;
    AnzB = b.nB;
    AnzD = b.nD;
    AbstandB.clear();
    for (int i = 0; i < AnzB; ++i) {
        AbstandB.push_back(i == 0 ? b.sB0 : b.sB);
    }
    // One entry per gap between the U-bars of one side plus the centre spacing.
    AbstandD.clear();
    for (int i = 0; i < AnzD / 2 - 1; ++i) {
        AbstandD.push_back(i == 0 ? b.sD0 : b.sD);
    }
    PlatteBreite = c.PlatteBreite;
    PlatteHoehe = c.PlatteHoehe;
    DornDurchm = a.d;
    DornMittenAbstand = a.a;
    DornLaenge = a.lD;
    HuelseBreite = c.HuelseBreite;
    HuelseHoehe = c.HuelseHoehe;
    Anker1Laenge = c.Anker1Laenge;
    Anker2Laenge = c.Anker2Laenge;
    Anker1Durchm = c.Anker1Durchm;
    Anker2Durchm = c.Anker2Durchm;
    Anker1Abstand = c.Anker1Abstand;
    Anker2Abstand = c.Anker2Abstand;
    RippeLaenge = c.RippeLaenge;
}

} // namespace vsk
