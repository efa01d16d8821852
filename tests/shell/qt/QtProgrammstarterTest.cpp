#include "shell/qt/QtProgrammstarter.h"
#include "shell/Winexecute.h"

#include "support/TempDir.h"

#include <QtTest>
#include <fstream>
#include <string>
#include <vector>

namespace vsk {

namespace fs = std::filesystem;

namespace {

// A started program writes its file within this time also on a busy machine.
constexpr int kProzessStartMs = 30000;
std::vector<std::string> ZeilenVon(const fs::path& p) {
    std::vector<std::string> zeilen;
    std::ifstream ein(p);
    for (std::string z; std::getline(ein, z);) {
        zeilen.push_back(z);
    }
    return zeilen;
}
} // namespace

class QtProgrammstarterTest : public QObject {
    Q_OBJECT

private slots:
    void programRunsDetachedInItsDirectoryWithListedArguments();
};

void QtProgrammstarterTest::programRunsDetachedInItsDirectoryWithListedArguments() {
    test::TempDir dir;
    fs::create_directory(dir / "Tool Dir");
    const fs::path skript = dir / "Tool Dir" / "setup tool";
    // Writes its directory and then each argument on a line; "done" marks the end.
    std::ofstream(skript)
        << "#!/bin/sh\npwd > out.tmp\nfor a in \"$@\"; do echo \"$a\" >> out.tmp; "
           "done\nmv out.tmp out.txt\n";
    fs::permissions(skript, fs::perms::owner_all);

    QtProgrammstarter starter;
    TWinexecute launcher(starter, TStartart::Startprogramm);
    launcher.setProgrammPfad((dir / "Tool Dir").string());
    launcher.setProgrammName("SETUP TOOL");
    launcher.setParameter("-q \"two words\" ;touch${IFS}hacked $(id) *");
    QVERIFY(launcher.Ausfuehren());
    QCOMPARE(launcher.ErrorString(), std::string());

    const fs::path aus = dir / "Tool Dir" / "out.txt";
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(aus), kProzessStartMs);
    const std::vector<std::string> erwartet = {fs::canonical(dir / "Tool Dir").string(),
                                               "-q",
                                               "two words",
                                               ";touch${IFS}hacked",
                                               "$(id)",
                                               "*"};
    QCOMPARE(ZeilenVon(aus), erwartet);
    QVERIFY(!fs::exists(dir / "Tool Dir" / "hacked"));
}

} // namespace vsk

QTEST_GUILESS_MAIN(vsk::QtProgrammstarterTest)
#include "QtProgrammstarterTest.moc"
