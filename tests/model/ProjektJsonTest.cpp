// Projects as JSON documents: what a given key wins over, what a missing one takes, what is
// refused and how the refusal is named, and that the export reads back.

#include "model/ProjektJson.h"

#include "model/Modell.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vsk {
namespace {

TKModell Gelesen(const std::string& dokument) {
    TKModell m;
    const std::optional<Jsonfehler> f = LeseProjektJson(m, dokument);
    EXPECT_FALSE(f) << (f ? JsonfehlerText(*f) : "");
    return m;
}

std::vector<std::pair<double, double>> Paare(const TKBelastung& b) {
    std::vector<std::pair<double, double>> paare;
    for (const TPunkt& p : b.Punkte()) {
        paare.emplace_back(p.x, p.y);
    }
    return paare;
}

TEST(ProjektJson, GivenKeysWinOverDerivedValuesWhateverTheirOrder) {
    // The effective depth before the slab thickness that would derive another one; end
    // loads beside the points that would give others.
    const TKModell m = Gelesen(R"({"positions": [{
        "cBelastungDesign": {"cLinienLastRechts": {"TF1": 40},
                             "points": [[0, 10], [1000, 30], [3000, 20]],
                             "TBelastungsfall": 3},
        "cGeometrie": {"TNutzhoehe": 300, "TPlatteDicke": 500, "TFugenlaenge": 3000}},
      {"cGeometrie": {"TPlatteDicke": 500}, "cBelastungDesign": {"TBelastungsfall": 3,
        "cLinienLastLinks": {"TGk": 10}, "cLinienLastRechts": {"TF1": 7}}},
      {"TAnwendungsfall": 0, "cGeometrie": {"TBauteilRandLinks": null}}]})");
    ASSERT_EQ(m.TAnzAnwendung(), 3);
    const TKAnwendung& a = m.Anwendung(1);
    EXPECT_EQ(a.cGeometrie.TNutzhoehe, 300);
    EXPECT_EQ(a.cGeometrie.TPlatteDicke, 500);
    EXPECT_EQ(Paare(a.cBelastungDesign),
              (std::vector<std::pair<double, double>>{{0, 10}, {1000, 30}, {3000, 20}}));
    EXPECT_EQ(a.cBelastungDesign.cLinienLastLinks.TFd(), 10); // from the first point
    EXPECT_EQ(a.cBelastungDesign.cLinienLastRechts.TFd(), 40);
    EXPECT_EQ(a.cBelastungDesign.TLastLaenge(), 3000);

    // Without points the first and last point take the ends; the slab derives the depth.
    const TKAnwendung& b = m.Anwendung(2);
    EXPECT_EQ(b.cGeometrie.TNutzhoehe, 460);
    EXPECT_EQ(Paare(b.cBelastungDesign),
              (std::vector<std::pair<double, double>>{{0, 13.5}, {2000, 7}}));

    // Missing keys: a new position's built-in defaults; the single connector carries the
    // point load between two component edges; null is the field left empty.
    const TKAnwendung& c = m.Anwendung(3);
    EXPECT_EQ(c.TPosition, "3");
    EXPECT_EQ(c.TBetonguete, 3);
    EXPECT_EQ(c.TGammaMs, 1.05);
    EXPECT_EQ(c.cBelastungDesign.TBelastungsfall, Belastungsfall::Punktlast);
    EXPECT_EQ(c.cGeometrie.TRandLinks, 1);
    EXPECT_EQ(c.cGeometrie.TBauteilRandLinks, 0.5);
    EXPECT_EQ(m.Projektbeschreibung.TDatum, ""); // the same on every day
}

TEST(ProjektJson, ARefusalNamesThePositionTheKeyAndTheReason) {
    struct Fall {
        std::string_view dokument;
        int position;
        const char* schluessel;
        const char* grund;
    };
    const Fall faelle[] = {
        {R"({"Projektbeschreibung": {"TBauvorhabn": "x"}})", 0, "Projektbeschreibung/TBauvorhabn",
         "Unknown key."},
        {R"({"positions": [{"cGeometrie": {"TPlatteDicke": 150}}]})", 1, "cGeometrie/TPlatteDicke",
         "Input value is smaller than allowed!"},
        {R"({"positions": [{"TBetonguete": 4}]})", 1, "TBetonguete",
         "A whole number from 0 to 3 is expected."},
        {R"({"positions": [{"TBetonguete": true}]})", 1, "TBetonguete", "A number is expected."},
        {R"({"positions": [{"TPosition": 7}]})", 1, "TPosition", "A text is expected."},
        {R"({"positions": [{"cBelastungDesign": {"cPunktlast": {"TQk": -1}}}]})", 1,
         "cBelastungDesign/cPunktlast/TQk", "Input value is smaller than allowed!"},
        {R"({"positions": [{"cBelastungDesign": {"TBelastungsfall": 3, "points": [[0, 1], [2001, 1]]}}]})",
         1, "cBelastungDesign/points/1", "Input value is greater than allowed!"},
        {R"({"positions": [{"cBelastungDesign": {"points": [[0, 1, 2]]}}]})", 1,
         "cBelastungDesign/points/0", "A list of points [x, q] is expected."},
        {R"({"positions": [{"TAnwendungsfall": 0, "cBelastungDesign": {"TBelastungsfall": 1}}]})",
         1, "cBelastungDesign/TBelastungsfall", "The load case does not fit the application case."},
        {R"({"positions": []})", 0, "positions", "A list of 1 to 65535 positions is expected."},
        {R"({"Stueckliste": {"TBemerkung": ["a\u0001"]}})", 0, "Stueckliste/TBemerkung",
         "Control characters are not allowed in texts."},
        {"{\n  \"positions\": [\n    {\"TPosition\": \"1\",}\n  ]\n}", 0, "",
         "The document is not JSON (line 3, column 23)."},
        {"{\"positions\": [\n {\"TGammaMs\": 1e400}]}", 0, "",
         "The number in line 2, column 15 is out of range."},
        {R"({"positions": [{"TGammaMs": 1.1, "TGammaMs": 1.05}]})", 0, "TGammaMs",
         "The key is given twice."},
        {std::string_view("{}\n\0{{", 6), 0, "", "The document is not JSON (line 2, column 1)."},
    };
    for (const Fall& f : faelle) {
        TKModell m;
        const std::optional<Jsonfehler> fehler = LeseProjektJson(m, f.dokument);
        ASSERT_TRUE(fehler) << f.dokument;
        EXPECT_EQ(fehler->position, f.position) << f.dokument;
        EXPECT_EQ(fehler->schluessel, f.schluessel) << f.dokument;
        // Out-of-range values add the allowed range in a second line.
        EXPECT_EQ(fehler->grund.substr(0, fehler->grund.find("\nAllowed: ")), f.grund)
            << f.dokument;
    }
    EXPECT_EQ(
        JsonfehlerText({2, "cGeometrie/TPlatteDicke", "Input value is smaller than allowed!"}),
        "Position 2, key \"cGeometrie/TPlatteDicke\": Input value is smaller than allowed!");
    EXPECT_EQ(JsonfehlerText({0, "positions", "x"}), "Key \"positions\": x");
}

TEST(ProjektJson, TheExportReadsBackToTheSameDocument) {
    const nlohmann::json dokument = nlohmann::json::parse(R"({
      "Projektbeschreibung": {"TBauvorhaben": "Überbauung \"Nord\"", "TFirma": ["A", "B"],
                              "TBearbeiter": "M", "TDatum": "01.02.2026"},
      "Stueckliste": {"TBemerkung": ["eins", "", "Tab\tund\r\nZeilenende"]},
      "positions": [
        {"TPosition": "Wand", "TAnwendungsfall": 2, "TBewehrungCalc": 1, "TMaxDornabstand": 0,
         "TBetonguete": 1, "TStahlguete": 1, "TGammaMs": 1.1,
         "cGeometrie": {"TFugenbreite": 5, "TWandDicke": 300, "TPlatteDicke": 250.5,
                        "TBetondeckungOben": 35, "TBetondeckungUnten": 25, "TNutzhoehe": 200,
                        "TBauteilRandRechts": null, "TBauteilRandLinks": 130,
                        "TBetondeckungVorn": 40, "TFugenlaenge": 4000},
         "cBelastungDesign": {"TBelastungsfall": 3, "TLinienLast": 0,
                              "points": [[0, 12.5], [617.25, 8.5], [4000, 0.1]],
                              "cPunktlast": {"TGk": 1, "Tgg": 1.4, "TQk": 2, "Tgq": 1.6, "TF1": 3},
                              "cLinienLastLinks": {"TGk": 0, "Tgg": 1.35, "TQk": 0, "Tgq": 1.5,
                                                   "TF1": 12.5},
                              "cLinienLastRechts": {"TGk": 0, "Tgg": 1.35, "TQk": 0, "Tgq": 1.5,
                                                    "TF1": 0.1}}},
        {"TPosition": "Einzel", "TAnwendungsfall": 0, "TBewehrungCalc": 0, "TMaxDornabstand": 1,
         "TBetonguete": 3, "TStahlguete": 0, "TGammaMs": 1.05,
         "cGeometrie": {"TFugenbreite": 2, "TWandDicke": 400, "TPlatteDicke": 450,
                        "TBetondeckungOben": 30, "TBetondeckungUnten": 30, "TNutzhoehe": 410,
                        "TBauteilRandRechts": 500, "TBauteilRandLinks": 600,
                        "TBetondeckungVorn": 30, "TFugenlaenge": null},
         "cBelastungDesign": {"TBelastungsfall": 0, "TLinienLast": 1,
                              "points": [[0, 0], [1100, 0]],
                              "cPunktlast": {"TGk": 100, "Tgg": 1.35, "TQk": 33.3, "Tgq": 1.5,
                                             "TF1": 0},
                              "cLinienLastLinks": {"TGk": 0, "Tgg": 1.35, "TQk": 0, "Tgq": 1.5,
                                                   "TF1": 0},
                              "cLinienLastRechts": {"TGk": 0, "Tgg": 1.35, "TQk": 0, "Tgq": 1.5,
                                                    "TF1": 0}}}]})");
    const TKModell m = Gelesen(dokument.dump());
    EXPECT_EQ(nlohmann::json::parse(ProjektAlsJson(m)), dokument);
    const nlohmann::json zweite = nlohmann::json::parse(ProjektAlsJson(m, 2));
    ASSERT_EQ(zweite["positions"].size(), 1u);
    EXPECT_EQ(zweite["positions"][0], dokument["positions"][1]);
}

} // namespace
} // namespace vsk
