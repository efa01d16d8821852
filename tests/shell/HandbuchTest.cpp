#include "shell/Handbuch.h"

#include "shell/Programmstarter.h"
#include "support/PlattformDouble.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace vsk {
namespace {

class StarterDouble : public Programmstarter {
public:
    int ergebnis = startcode::Erfolg;
    std::optional<Startauftrag> auftrag;
    int Starte(const Startauftrag& a) override {
        auftrag = a;
        return ergebnis;
    }
};

TEST(Handbuch, FoundInAProgramDirectoryWrittenWithoutTrailingSeparator) {
    test::TempDir dir;
    std::ofstream(dir / "VSK Manual.pdf") << "%PDF-1.4\n";
    StarterDouble starter;
    test::PlattformDouble plattform;
    const std::string ohneTrenner = dir.pfad().string();
    ASSERT_NE(ohneTrenner.back(), '/');

    EXPECT_TRUE(OeffneHandbuch(ohneTrenner, starter, plattform));
    ASSERT_TRUE(starter.auftrag);
    EXPECT_EQ(starter.auftrag->datei, dir / "VSK Manual.pdf");
    EXPECT_FALSE(starter.auftrag->ausfuehren); // opened with the PDF program
    EXPECT_TRUE(plattform.meldungen.empty());

    // The same with the separator, and a failed launch shows the launcher's text.
    starter.ergebnis = startcode::KeinZugeordnetesProgramm;
    EXPECT_FALSE(OeffneHandbuch(ohneTrenner + "/", starter, plattform));
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_EQ(plattform.meldungen[0], "Application not found to start selected file");
}

TEST(Handbuch, MissingFileShowsTheStoredMessageAndLaunchesNothing) {
    test::TempDir dir;
    StarterDouble starter;
    test::PlattformDouble plattform;
    EXPECT_FALSE(OeffneHandbuch(dir.pfad().string(), starter, plattform));
    EXPECT_FALSE(starter.auftrag);
    ASSERT_EQ(plattform.meldungen.size(), 1u);
    EXPECT_EQ(plattform.meldungen[0],
              "The file - VSK Manual.pdf - was not found.The required file can only be "
              "installed from the CD version!");
}

} // namespace
} // namespace vsk
