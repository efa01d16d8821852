#include "model/Sicherung.h"

#include "model/Modell.h"
#include "model/ProjektSchreiben.h"
#include "shell/Einstellungen.h"
#include "support/Dateiinhalt.h"
#include "support/TempDir.h"
#include "support/VollesModell.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vsk {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Namen(const fs::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner)) {
        namen.push_back(e.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

TEST(Sicherung, TheFolderIsTheUsersStateFolderAndTheIntervalComesFromTheSettings) {
    EXPECT_EQ(Sicherungsordner("/x/state", "/home/u"), fs::path("/x/state/VSK"));
    EXPECT_EQ(Sicherungsordner("relativ", "/home/u"), fs::path("/home/u/.local/state/VSK"));
    EXPECT_EQ(Sicherungsordner("", ""), fs::path());

    test::TempDir dir;
    Einstellungen e(dir / "VSK.INI", '.');
    EXPECT_EQ(AutoSicherungSekunden(e), 60);
    e.WriteInteger("Anwenderdaten", "AutoSicherung", 0);
    EXPECT_EQ(AutoSicherungSekunden(e), 0);
    e.WriteInteger("Anwenderdaten", "AutoSicherung", -5);
    EXPECT_EQ(AutoSicherungSekunden(e), 0);
    e.WriteInteger("Anwenderdaten", "AutoSicherung", 2000000000);
    EXPECT_EQ(AutoSicherungSekunden(e), MaxAutoSicherungSekunden);
}

TEST(Sicherung, ACopyIsOfferedOnlyWhenItsRunIsGoneAndHoldsTheProjectAsSaveWritesIt) {
    test::TempDir dir;
    const fs::path ordner = dir / "state" / "VSK";
    const TKModell m = test::VollesModell(2);
    auto erster = std::make_unique<Sicherung>(ordner);
    ASSERT_TRUE(erster->Schreibe(m, "/daten/Brücke.VSK", 1700000000, ','));
    EXPECT_EQ(fs::status(ordner).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(test::Lies(erster->Kopie()), ProjektText(m, "/daten/Brücke.VSK", ','));

    Sicherung zweiter(ordner);
    EXPECT_TRUE(zweiter.Verwaiste().empty()); // the first run lives

    erster.reset(); // killed: its copy stays
    const std::vector<Sicherungskopie> kopien = zweiter.Verwaiste();
    ASSERT_EQ(kopien.size(), 1u);
    EXPECT_EQ(kopien[0].dateiname, "/daten/Brücke.VSK");
    EXPECT_EQ(kopien[0].zeit, 1700000000);
    // Held while the user is asked: a third start does not offer it meanwhile.
    Sicherung dritter(ordner);
    EXPECT_TRUE(dritter.Verwaiste().empty());

    // Declined: put aside, not offered again, gone with the next copy written.
    zweiter.LegeBeiseite(kopien[0]);
    EXPECT_TRUE(dritter.Verwaiste().empty());
    const std::vector<std::string> beiseite = Namen(ordner);
    ASSERT_EQ(std::count_if(beiseite.begin(), beiseite.end(),
                            [](const std::string& n) { return n.rfind("Beiseite-", 0) == 0; }),
              2);
    ASSERT_TRUE(dritter.Schreibe(m, "", 1700000100, ','));
    for (const std::string& name : Namen(ordner)) {
        EXPECT_NE(name.rfind("Beiseite-", 0), 0u) << name;
    }
}

TEST(Sicherung, ARestoredCopyStaysUntilTheNewRunsOwnReplacesItOrIsRemoved) {
    test::TempDir dir;
    const fs::path ordner = dir / "VSK";
    const TKModell m = test::VollesModell(1);
    auto alt = std::make_unique<Sicherung>(ordner);
    ASSERT_TRUE(alt->Schreibe(m, "", 1, '.'));
    alt.reset();

    auto neu = std::make_unique<Sicherung>(ordner);
    const std::vector<Sicherungskopie> kopien = neu->Verwaiste();
    ASSERT_EQ(kopien.size(), 1u);
    neu->Uebernimm(kopien[0]);
    neu.reset(); // killed before its own copy: the restored one is offered again
    neu = std::make_unique<Sicherung>(ordner);
    const std::vector<Sicherungskopie> wieder = neu->Verwaiste();
    ASSERT_EQ(wieder.size(), 1u);
    neu->Uebernimm(wieder[0]);
    ASSERT_TRUE(neu->Schreibe(m, "", 2, '.'));
    EXPECT_FALSE(fs::exists(kopien[0].projekt));

    // Saved: nothing of this run is left, and its end leaves the folder empty.
    neu->Entferne();
    EXPECT_FALSE(neu->HatKopie());
    neu.reset();
    EXPECT_TRUE(Namen(ordner).empty());
}

TEST(Sicherung, NothingIsWrittenWithoutAFolderOrWhereTheFolderCannotBe) {
    const TKModell m;
    Sicherung ohne{fs::path()};
    EXPECT_FALSE(ohne.Schreibe(m, "", 0, '.'));
    EXPECT_TRUE(ohne.Verwaiste().empty());

    test::TempDir dir;
    std::ofstream(dir / "datei") << "x";
    Sicherung versperrt(dir / "datei" / "VSK");
    const Schreibergebnis e = versperrt.Schreibe(m, "", 0, '.');
    EXPECT_EQ(e.fehler, Schreibfehler::System);
    EXPECT_FALSE(versperrt.HatKopie());
}

} // namespace
} // namespace vsk
