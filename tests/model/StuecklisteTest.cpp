// The connector schedule and adding the current position to it.

#include "model/Modell.h"
#include "model/StuecklisteAufnahme.h"

#include "shell/Texte.h"
#include "support/PlattformDouble.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

using test::PlattformDouble;
using E = TKStueckliste::Eintrag;

TEST(TKStueckliste, DeleteReplaceAndGetWorkOnNumbersFromOne) {
    TKStueckliste s;
    s.AddEintrag({"a"});
    s.AddEintrag({"b"});
    s.AddEintrag({"c"});
    s.DeleteEintrag(1);
    ASSERT_EQ(s.EintragCount(), 2);
    EXPECT_EQ(s.GetEintrag(1), E{"b"});
    EXPECT_EQ(s.GetEintrag(2), E{"c"});
    s.ReplaceEintrag({"x", "y"}, 2);
    EXPECT_EQ(s.GetEintrag(2), (E{"x", "y"}));
    s.GetEintrag(1).push_back("z"); // changes through the entry reach the schedule
    EXPECT_EQ(s.GetEintrag(1), (E{"b", "z"}));
    // Numbers outside the schedule change nothing.
    s.DeleteEintrag(0);
    s.DeleteEintrag(3);
    s.ReplaceEintrag({"n"}, 5);
    EXPECT_EQ(s.EintragCount(), 2);
    EXPECT_TRUE(s.GetEintrag(7).empty());
    s.ClearEintraege();
    EXPECT_EQ(s.EintragCount(), 0);
}

TEST(TKStueckliste, AddedEntriesAndRemarksAreCopies) {
    TKStueckliste s;
    E quelle{"a", "b"};
    s.AddEintrag(quelle);
    quelle[0] = "geändert";
    EXPECT_EQ(s.GetEintrag(1)[0], "a");
    std::vector<std::string> zeilen{"eins", "zwei"};
    s.TBemerkung = zeilen;
    zeilen[1] = "drei";
    EXPECT_EQ(s.TBemerkung, (std::vector<std::string>{"eins", "zwei"}));
}

TEST(TKStueckliste, ActiveMeansTextFiveIsTheActiveText) {
    TKStueckliste s;
    s.AddEintrag({"0", "1", "2", "3", "4", "Active"});
    s.AddEintrag({"0", "1", "2", "3", "4", "Not active"});
    s.AddEintrag({"kurz"});
    EXPECT_TRUE(s.IstAktiv(1));
    EXPECT_FALSE(s.IstAktiv(2));
    EXPECT_FALSE(s.IstAktiv(3));
}

// A schedule written in one language keeps its active entries when the file is opened in
// another: "Active" of any installed language counts, the current "Not active" does not.
TEST(TKStueckliste, ActiveInAnyInstalledLanguageCounts) {
    SetzeUebersetzer([](const char*, const char* quelle) {
        return std::string(quelle) == "Active" ? "Actif" : "Inactif";
    });
    SetzeSprachensammler([](const char*, const char* quelle) {
        return std::string(quelle) == "Active" ? std::vector<std::string>{"Aktiv", "Actif"}
                                               : std::vector<std::string>{"Nicht aktiv"};
    });
    TKStueckliste s;
    for (const char* status : {"Actif", "Active", "Aktiv", "Inactif", "Not active", "Attivo", ""}) {
        s.AddEintrag({"0", "1", "2", "3", "4", status});
    }
    const std::vector<bool> aktiv{true, true, true, false, false, false, false};
    for (int k = 1; k <= s.EintragCount(); ++k) {
        EXPECT_EQ(s.IstAktiv(k), aktiv[static_cast<std::size_t>(k - 1)]) << k;
    }
    SetzeUebersetzer({});
    SetzeSprachensammler({});
    EXPECT_TRUE(IstAktivText("Active"));
    EXPECT_FALSE(IstAktivText("Aktiv")); // no longer installed
}

class AddAktAnwendungTest : public ::testing::Test {
protected:
    void SetUp() override {
        m.SetAnzAnwendung(2);
        m.TAktAnwendung = 2;
        TKAnwendung& a = m.Anwendung(2);
        a.TPosition = "Slab A";
        a.cErgebnisse.TAktDorn = 6;
        a.cErgebnisse.setTAnzDorn(6, 8);
        a.cErgebnisse.DornErgebnis(6).setTFRd(63.24);
    }
    TKModell m;
    PlattformDouble p;
};

TEST_F(AddAktAnwendungTest, EntryHoldsTheTenTextsOfTheSelectedType) {
    p.trenner = ',';
    AddAktAnwendung(m, "2", p);
    ASSERT_EQ(m.Stueckliste.EintragCount(), 1);
    EXPECT_EQ(m.Stueckliste.GetEintrag(1),
              (E{"Slab A", "1", "8", "VSK 7", "8", "Active", "2", "", "63,2", "8"}));
    EXPECT_TRUE(p.fragen.empty());
}

TEST_F(AddAktAnwendungTest, YesReplacesNoAddsAgain) {
    Aufnahme aufnahme = AddAktAnwendung(m, "2", p);
    EXPECT_EQ(AufnahmeText(m, aufnahme),
              "Connector schedule entry 1 added: position Slab A, 8 x VSK 7");
    m.Anwendung(2).cErgebnisse.setTAnzDorn(6, 9);
    p.antworten = {Antwort::Ja};
    aufnahme = AddAktAnwendung(m, " 2 ", p);
    EXPECT_EQ(AufnahmeText(m, aufnahme),
              "Connector schedule entry 1 replaced: position Slab A, 9 x VSK 7");
    ASSERT_EQ(m.Stueckliste.EintragCount(), 1);
    EXPECT_EQ(m.Stueckliste.GetEintrag(1)[2], "9");
    ASSERT_EQ(p.fragen.size(), 1u);
    EXPECT_EQ(p.fragen[0], "the current position is already in the existing connector "
                           "schedule.\r\n\r\nShould this be overwritten?");

    p.antworten = {Antwort::Nein};
    aufnahme = AddAktAnwendung(m, "2", p);
    EXPECT_EQ(m.Stueckliste.EintragCount(), 2);
    EXPECT_EQ(aufnahme.eintrag, 2);
    EXPECT_FALSE(aufnahme.ersetzt);

    // A name the user typed goes in as it is, "%s" and all.
    m.Stueckliste.ReplaceEintrag({"A%sB", "1", "8", "VSK 7"}, 2);
    EXPECT_EQ(AufnahmeText(m, aufnahme),
              "Connector schedule entry 2 added: position A%sB, 8 x VSK 7");
}

TEST_F(AddAktAnwendungTest, AnEntryTheDesignNoLongerMatchesIsNamed) {
    m.Anwendung(2).cErgebnisse.TBerechnet = 1;
    AddAktAnwendung(m, "2", p);
    EXPECT_TRUE(VeralteteEintraege(m).empty());
    m.Anwendung(2).cErgebnisse.setTAnzDorn(6, 12); // designed again with a longer joint
    EXPECT_EQ(VeralteteEintraege(m),
              std::vector<std::string>{"Schedule entry 1 (position Slab A) holds 8 x VSK 7; the "
                                       "position now gives 12 x VSK 7."});
    m.Anwendung(2).cErgebnisse.TBerechnet = 0; // nothing to compare with
    EXPECT_TRUE(VeralteteEintraege(m).empty());
}

TEST_F(AddAktAnwendungTest, NoToTheFirstMatchAsksAgainForTheNext) {
    m.Stueckliste.AddEintrag({"alt", "1", "1", "VSK 1", "1", "Active", "2", "", "1.0", "1"});
    m.Stueckliste.AddEintrag({"andere", "1", "1", "VSK 1", "1", "Active", "1", "", "1.0", "1"});
    m.Stueckliste.AddEintrag({"auch", "1", "1", "VSK 1", "1", "Active", "2", "", "1.0", "1"});
    m.Stueckliste.AddEintrag({"kurz"});
    p.antworten = {Antwort::Nein, Antwort::Ja};
    AddAktAnwendung(m, "2", p);
    EXPECT_EQ(p.fragen.size(), 2u);
    ASSERT_EQ(m.Stueckliste.EintragCount(), 4);
    EXPECT_EQ(m.Stueckliste.GetEintrag(1)[0], "alt");
    EXPECT_EQ(m.Stueckliste.GetEintrag(3)[0], "Slab A");
}

} // namespace
} // namespace vsk
