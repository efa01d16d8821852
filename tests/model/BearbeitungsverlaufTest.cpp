#include "model/Bearbeitungsverlauf.h"

#include "model/Eingaben.h"
#include "model/ModellText.h"
#include "support/VollesModell.h"

#include <gtest/gtest.h>

namespace vsk {
namespace {

using test::GleicheFelder;

// An edit of a field of position nummer, bracketed as the window does.
void Dicke(Bearbeitungsverlauf& v, TKModell& m, int nummer, const char* text) {
    v.Beginne(m, "Slab thickness", Bearbeitungsumfang::Position(nummer));
    GeometrieEingeben(m.Anwendung(nummer), Geometriefeld::Plattendicke, text, '.');
    v.Abschliessen(m);
}

TEST(Bearbeitungsverlauf, UndoAndRedoGiveBackEveryFieldAndOnlyChangesMakeSteps) {
    TKModell m = test::VollesModell(4);
    const TKModell vorher = m;
    Bearbeitungsverlauf v;
    Dicke(v, m, 3, "600");
    Dicke(v, m, 3, "600"); // the same value again: no step
    ASSERT_EQ(v.Schritte(), 1u);
    EXPECT_EQ(v.RueckgaengigName(), "Slab thickness");
    const TKModell nachher = m;

    m.TAktAnwendung = 1; // another position shown meanwhile
    ASSERT_TRUE(v.Rueckgaengig(m));
    EXPECT_TRUE(GleicheFelder(m, vorher));
    EXPECT_FALSE(v.KannRueckgaengig());
    EXPECT_EQ(v.WiederholenName(), "Slab thickness");
    ASSERT_TRUE(v.Wiederholen(m));
    EXPECT_TRUE(GleicheFelder(m, nachher));
    EXPECT_FALSE(v.Wiederholen(m));

    // A new step drops what was undone.
    v.Rueckgaengig(m);
    Dicke(v, m, 2, "500");
    EXPECT_FALSE(v.KannWiederholen());
}

TEST(Bearbeitungsverlauf, AddingDeletingAndImportingPositionsAreUndoneInPlace) {
    TKModell m = test::VollesModell(3);
    const TKModell anfang = m;
    Bearbeitungsverlauf v;

    v.Beginne(m, "Add Position", Bearbeitungsumfang::NeuePosition(3));
    m.SetAnzAnwendung(4);
    m.CopyAnwendung(2, 4);
    m.TAktAnwendung = 4;
    v.Abschliessen(m);
    const TKModell mitVier = m;

    // Deleting position 2 moves 3 and 4 up.
    v.Beginne(m, "Delete Current Position", Bearbeitungsumfang::Position(2));
    for (int i = 2; i < 4; ++i) {
        m.Anwendung(i) = m.Anwendung(i + 1);
    }
    m.SetAnzAnwendung(3);
    m.TAktAnwendung = 3;
    v.Abschliessen(m);
    const TKModell geloescht = m;

    ASSERT_TRUE(v.Rueckgaengig(m));
    EXPECT_TRUE(GleicheFelder(m, mitVier));
    ASSERT_TRUE(v.Rueckgaengig(m));
    EXPECT_TRUE(GleicheFelder(m, anfang));
    ASSERT_TRUE(v.Wiederholen(m));
    ASSERT_TRUE(v.Wiederholen(m));
    EXPECT_TRUE(GleicheFelder(m, geloescht));

    // An import that failed adds nothing and makes no step, though it shows the last position:
    // which position is shown is no change of the project.
    m.TAktAnwendung = 1;
    v.Beginne(m, "Import Position", Bearbeitungsumfang::NeuePosition(3));
    m.TAktAnwendung = 3;
    v.Abschliessen(m);
    EXPECT_EQ(v.Schritte(), 2u);

    // The save question asked inside the import (before another project would be opened),
    // answered with Cancel: the import that follows is still recorded, and still unsaved.
    v.Gespeichert(m);
    v.Beginne(m, "Import Position", Bearbeitungsumfang::NeuePosition(3));
    v.Festschreiben(m);
    m.SetAnzAnwendung(4);
    m.CopyAnwendung(1, 4);
    v.Abschliessen(m);
    EXPECT_EQ(v.Schritte(), 3u);
    EXPECT_EQ(v.RueckgaengigName(), "Import Position");
    EXPECT_TRUE(v.Geaendert());
    ASSERT_TRUE(v.Rueckgaengig(m));
    EXPECT_TRUE(GleicheFelder(m, geloescht));
}

TEST(Bearbeitungsverlauf, KeepsTheLastHundredStepsAndGoesBackThroughAllOfThem) {
    TKModell m = test::VollesModell(2);
    const TKModell anfang = m;
    Bearbeitungsverlauf v;
    for (int i = 0; i < 100; ++i) {
        Dicke(v, m, 1 + i % 2, std::to_string(200 + i).c_str());
    }
    const TKModell zuletzt = m;
    int zurueck = 0;
    while (v.Rueckgaengig(m)) {
        ++zurueck;
    }
    EXPECT_EQ(zurueck, 100);
    EXPECT_TRUE(GleicheFelder(m, anfang));
    while (v.Wiederholen(m)) {
    }
    EXPECT_TRUE(GleicheFelder(m, zuletzt));

    Dicke(v, m, 1, "999");
    EXPECT_EQ(v.Schritte(), Bearbeitungsverlauf::MaxSchritte);
}

TEST(Bearbeitungsverlauf, ACalculationIsPartOfTheLastStepAndMarksTheProjectChanged) {
    TKModell m = test::VollesModell(2);
    Bearbeitungsverlauf v;
    auto rechne = [&](int nummer) {
        v.Beginne(m, {}, Bearbeitungsumfang::Position(nummer), Bearbeitungsverlauf::Art::Nachtrag);
        m.Anwendung(nummer).cErgebnisse.TBerechnet = 1;
        m.Anwendung(nummer).cErgebnisse.TAktDorn = 3;
        v.Abschliessen(m);
    };
    rechne(1); // nothing to fold into: changed, but no step
    EXPECT_TRUE(v.Geaendert());
    EXPECT_FALSE(v.KannRueckgaengig());
    v.Gespeichert(m);

    const TKModell vorher = m;
    Dicke(v, m, 1, "300");
    m.Anwendung(1).cErgebnisse.TBerechnet = 0;
    rechne(1);
    rechne(2); // another position's calculation goes with the step too
    const TKModell gerechnet = m;
    EXPECT_EQ(v.Schritte(), 1u);

    ASSERT_TRUE(v.Rueckgaengig(m));
    EXPECT_TRUE(GleicheFelder(m, vorher));
    EXPECT_FALSE(v.Geaendert()); // back at the saved state
    ASSERT_TRUE(v.Wiederholen(m));
    EXPECT_TRUE(GleicheFelder(m, gerechnet));
    EXPECT_TRUE(v.Geaendert());

    // A calculation after saving changes the saved step's state: changed, until saved.
    v.Gespeichert(m);
    m.Anwendung(1).cErgebnisse.TBerechnet = 0;
    rechne(1);
    EXPECT_TRUE(v.Geaendert());
    v.Rueckgaengig(m);
    v.Wiederholen(m);
    EXPECT_TRUE(v.Geaendert());
}

TEST(Bearbeitungsverlauf, TypingMarksTheStepThatLeavingTheFieldRecordsAndEditsInsideBelongToIt) {
    TKModell m = test::VollesModell(2);
    TKAnwendung& a = m.Anwendung(1);
    a.cErgebnisse.TBerechnet = 1;
    const TKModell vorher = m;
    Bearbeitungsverlauf v;

    // The first keystroke hides the results; a failed check keeps the step marked.
    v.Vormerken(m, "Slab thickness", Bearbeitungsumfang::Position(1));
    a.cErgebnisse.TBerechnet = 0;
    v.Beginne(m, "Slab thickness", Bearbeitungsumfang::Position(1));
    v.Zurueckstellen();
    EXPECT_EQ(v.Schritte(), 0u);
    v.Beginne(m, "Slab thickness", Bearbeitungsumfang::Position(1));
    GeometrieEingeben(a, Geometriefeld::Plattendicke, "700", '.');
    v.Abschliessen(m);
    ASSERT_EQ(v.Schritte(), 1u);
    v.Rueckgaengig(m);
    EXPECT_TRUE(GleicheFelder(m, vorher)); // with its results shown
    v.Wiederholen(m);

    // The arbitrary-load button leaves the joint length first: one step, the button's.
    v.Beginne(m, "Load case", Bearbeitungsumfang::Position(1));
    v.Beginne(m, "Joint length", Bearbeitungsumfang::Position(1));
    GeometrieEingeben(m.Anwendung(1), Geometriefeld::Fugenlaenge, "3000", '.');
    v.Abschliessen(m);
    WaehleLastfall(m.Anwendung(1), Belastungsfall::Beliebig);
    v.Abschliessen(m);
    EXPECT_EQ(v.Schritte(), 2u);
    EXPECT_EQ(v.RueckgaengigName(), "Load case");

    // An edit of the project data inside an edit of a position: both go back together.
    const TKModell vorZwei = m;
    v.Beginne(m, "Import", Bearbeitungsumfang::Position(2));
    m.Anwendung(2).TPosition = "B";
    v.Beginne(m, "Project Data", Bearbeitungsumfang::Projektbeschreibung());
    m.Projektbeschreibung.TBauvorhaben = "Neu";
    v.Abschliessen(m);
    v.Abschliessen(m);
    v.Rueckgaengig(m);
    EXPECT_TRUE(GleicheFelder(m, vorZwei));
}

TEST(Bearbeitungsverlauf, TheSavedStateIsTheUnchangedOneAndAPauseRecordsNothing) {
    TKModell m = test::VollesModell(1);
    Bearbeitungsverlauf v;
    int meldungen = 0;
    v.SetzeBeobachter([&] { ++meldungen; });
    EXPECT_FALSE(v.Geaendert());
    Dicke(v, m, 1, "300");
    EXPECT_TRUE(v.Geaendert());
    EXPECT_GT(meldungen, 0);
    v.Gespeichert(m);
    Dicke(v, m, 1, "400");
    v.Rueckgaengig(m);
    EXPECT_FALSE(v.Geaendert());
    v.Rueckgaengig(m);
    EXPECT_TRUE(v.Geaendert());
    {
        const Bearbeitungsverlauf::Pause pause(v);
        Dicke(v, m, 1, "500");
    }
    EXPECT_FALSE(v.KannRueckgaengig());
    EXPECT_TRUE(v.KannWiederholen());

    v.Leeren();
    EXPECT_FALSE(v.Geaendert());
    EXPECT_FALSE(v.KannWiederholen());
    v.Ungespeichert(); // a restored project
    EXPECT_TRUE(v.Geaendert());
}

} // namespace
} // namespace vsk
