#include "shell/Winexecute.h"

#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace vsk {
namespace {

namespace fs = std::filesystem;

// Records the launch and answers with a scripted result code.
class StarterDouble : public Programmstarter {
public:
    int ergebnis = startcode::Erfolg;
    bool werfen = false;
    std::optional<Startauftrag> auftrag;
    int aufrufe = 0;

    int Starte(const Startauftrag& a) override {
        ++aufrufe;
        auftrag = a;
        if (werfen) {
            throw std::runtime_error("platform failure");
        }
        return ergebnis;
    }
};

void LegeAn(const fs::path& p, bool ausfuehrbar) {
    std::ofstream(p) << "#!/bin/sh\n";
    if (ausfuehrbar) {
        fs::permissions(p, fs::perms::owner_exec, fs::perm_options::add);
    }
}

TEST(TWinexecute, ParameterGetsOneLeadingBlank) {
    StarterDouble s;
    TWinexecute w(s, TStartart::Designprogramm);
    w.setParameter("abc");
    EXPECT_EQ(w.Parameter(), " abc");
    w.setParameter(" given");
    EXPECT_EQ(w.Parameter(), " given");
    w.setParameter("");
    EXPECT_EQ(w.Parameter(), "");
}

TEST(TWinexecute, ResultCodesGiveTheirTextsAndSuccessPerVariant) {
    test::TempDir dir;
    LegeAn(dir / "setup", true);
    struct Fall {
        int r;
        bool designErfolg;
        bool startErfolg;
        const char* text;
    };
    const Fall faelle[] = {
        {42, true, true, ""},
        {33, true, true, ""},
        {32, false, true, "Unknown Error"},
        {31, false, false, "Application not found to start selected file"},
        {2, false, false, "File not found."},
        {3, false, false, "Path not found."},
        {0, false, false, "not enough emory, damaged executable file, or not allowed move"},
        {17, false, false, "Unknown Error"},
    };
    for (const Fall& f : faelle) {
        for (TStartart art : {TStartart::Designprogramm, TStartart::Startprogramm}) {
            StarterDouble s;
            s.ergebnis = f.r;
            TWinexecute w(s, art);
            w.setFileName("setup");
            w.setProgrammName("setup");
            w.setProgrammPfad(dir.pfad().string());
            const bool erwartet = art == TStartart::Designprogramm ? f.designErfolg : f.startErfolg;
            EXPECT_EQ(w.Ausfuehren(), erwartet) << f.r;
            EXPECT_EQ(w.ErrorString(), f.text) << f.r;
        }
    }
}

TEST(TWinexecute, ErrorTableKeepsTheStoredTexts) {
    EXPECT_EQ(ErrorStringFuer(-2), "File not found!");
    EXPECT_EQ(ErrorStringFuer(-1), "Display not activated");
    EXPECT_EQ(ErrorStringFuer(5).rfind("Unzulässiger Versuch, eine Task", 0), 0u);
    EXPECT_EQ(ErrorStringFuer(16), "You tried to start second time, die mehrfache (nicht Read-Only "
                                   "markierte) Datensegmente enthält.");
    EXPECT_EQ(ErrorStringFuer(19), "You tried to excecute a zipped file. The file must be "
                                   "unzipped, before loading.");
    EXPECT_EQ(ErrorStringFuer(12), "Application is based on a other operation system.");
    for (int r : {1, 4, 7, 9, 18, 22, 30}) {
        EXPECT_EQ(ErrorStringFuer(r), "Unknown Error") << r;
    }
    EXPECT_EQ(ErrorStringFuer(1000), "");
}

TEST(TWinexecute, InvalidModeFailsWithoutLaunching) {
    test::TempDir dir;
    LegeAn(dir / "setup", true);
    StarterDouble s;
    TWinexecute w(s, TStartart::Startprogramm);
    w.setProgrammName("setup");
    w.setProgrammPfad(dir.pfad().string());
    w.setExecuteModus(static_cast<TModus>(5));
    EXPECT_FALSE(w.Ausfuehren());
    EXPECT_EQ(w.ErrorString(), "Display not activated");
    EXPECT_EQ(s.aufrufe, 0);
}

TEST(TWinexecute, MissingFilesAreReportedBeforeAnyLaunch) {
    test::TempDir dir;
    fs::create_directory(dir / "sub");
    StarterDouble s;
    TWinexecute w(s, TStartart::Startprogramm);
    w.setProgrammPfad((dir / "nowhere").string());
    w.setProgrammName("VSK Setup.exe");
    EXPECT_FALSE(w.Ausfuehren());
    EXPECT_EQ(w.ErrorString(), "File not found!"); // the working directory cannot be entered

    w.setProgrammPfad(dir.pfad().string());
    EXPECT_FALSE(w.Ausfuehren());
    EXPECT_EQ(w.ErrorString(), "File not found.");
    w.setProgrammName("missing/VSK Setup.exe");
    EXPECT_FALSE(w.Ausfuehren());
    EXPECT_EQ(w.ErrorString(), "Path not found.");
    w.setProgrammName("");
    EXPECT_FALSE(w.Ausfuehren());
    EXPECT_EQ(w.ErrorString(), "File not found.");
    EXPECT_EQ(s.aufrufe, 0);
}

TEST(TWinexecute, FindsTheFileWithoutRegardToCaseAndPassesArgumentsAsList) {
    test::TempDir dir;
    fs::create_directory(dir / "ACROBAT");
    LegeAn(dir / "ACROBAT" / "AcroEnu.EXE", true);
    StarterDouble s;
    TWinexecute w(s, TStartart::Startprogramm);
    w.setProgrammPfad(dir.pfad().string());
    w.setProgrammName("Acrobat/acroenu.exe");
    w.setParameter("/s \"C:\\Program Files\\x\" ; rm -rf");
    ASSERT_TRUE(w.Ausfuehren());
    EXPECT_EQ(w.ErrorString(), "");
    ASSERT_TRUE(s.auftrag);
    EXPECT_EQ(s.auftrag->datei, dir.pfad() / "ACROBAT" / "AcroEnu.EXE");
    EXPECT_TRUE(s.auftrag->ausfuehren);
    EXPECT_EQ(s.auftrag->arbeitsverzeichnis, dir.pfad());
    const std::vector<std::string> erwartet = {"/s", "C:\\Program Files\\x", ";", "rm", "-rf"};
    EXPECT_EQ(s.auftrag->argumente, erwartet);
}

TEST(TWinexecute, DocumentsOpenThroughTheirAssociationAndErrorsBecomeMinusTwo) {
    test::TempDir dir;
    LegeAn(dir / "VSK Manual.pdf", false);
    StarterDouble s;
    TWinexecute w(s, TStartart::Designprogramm);
    w.setFileName("VSK Manual.pdf");
    w.setProgrammPfad(dir.pfad().string() + "/");
    ASSERT_TRUE(w.Ausfuehren());
    ASSERT_TRUE(s.auftrag);
    EXPECT_FALSE(s.auftrag->ausfuehren);

    s.werfen = true;
    EXPECT_FALSE(w.Ausfuehren());
    EXPECT_EQ(w.ErrorString(), "File not found!");
}

TEST(TWinexecute, EmptyWorkingDirectoryMeansTheCurrentOne) {
    test::TempDir dir;
    LegeAn(dir / "setup", true);
    const fs::path vorher = fs::current_path();
    fs::current_path(dir.pfad());
    StarterDouble s;
    TWinexecute w(s, TStartart::Startprogramm);
    w.setProgrammName("setup");
    const bool ok = w.Ausfuehren();
    fs::current_path(vorher);
    ASSERT_TRUE(ok);
    EXPECT_EQ(s.auftrag->arbeitsverzeichnis, fs::canonical(dir.pfad()));
}

TEST(ZerlegeParameter, BlanksSeparateAndQuotesGroup) {
    using V = std::vector<std::string>;
    EXPECT_EQ(ZerlegeParameter(""), V{});
    EXPECT_EQ(ZerlegeParameter("   "), V{});
    EXPECT_EQ(ZerlegeParameter(" a  b\tc "), (V{"a", "b", "c"}));
    EXPECT_EQ(ZerlegeParameter("\"a b\" c\"d e\""), (V{"a b", "cd e"}));
    EXPECT_EQ(ZerlegeParameter("\"\""), V{""});
    EXPECT_EQ(ZerlegeParameter("\"say \"\"hi\"\"\""), V{"say \"hi\""});
    EXPECT_EQ(ZerlegeParameter("$(x) `y` *"), (V{"$(x)", "`y`", "*"}));
}

} // namespace
} // namespace vsk
