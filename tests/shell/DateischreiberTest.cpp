#include "shell/Dateischreiber.h"
#include "dxf/DXF_Writer.h"

#include "support/Dateiinhalt.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vsk {
namespace {

namespace fs = std::filesystem;
using test::Lege;
using test::Lies;

std::size_t AnzahlDateien(const fs::path& ordner) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(ordner)) {
        ++n;
    }
    return n;
}

// A full disk after frei bytes, for as long as the object lives.
struct VollePlatte {
    explicit VollePlatte(std::size_t frei) {
        SetzeSchreibeingriff([frei](std::size_t bisher, std::size_t laenge) {
            return bisher + laenge > frei ? ENOSPC : 0;
        });
    }
    ~VollePlatte() { SetzeSchreibeingriff({}); }
    VollePlatte(const VollePlatte&) = delete;
    VollePlatte& operator=(const VollePlatte&) = delete;
};

// A real tmpfs of 64 KiB, where the system allows mounting one (root on a machine that
// permits it); otherwise the test part that needs it is skipped.
struct KleinesTmpfs {
    explicit KleinesTmpfs(const fs::path& ort) : ort_(ort) {
        fs::create_directory(ort_);
        eingehaengt_ = ::mount("tmpfs", ort_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~KleinesTmpfs() {
        if (eingehaengt_) {
            ::umount(ort_.c_str());
        }
    }
    KleinesTmpfs(const KleinesTmpfs&) = delete;
    KleinesTmpfs& operator=(const KleinesTmpfs&) = delete;
    bool eingehaengt_ = false;
    fs::path ort_;
};

TEST(DateiSchreiben, ReplacesTheTargetOnlyWhenEverythingWasWritten) {
    test::TempDir dir;
    auto ziel = dir / "a.dxf";
    SchreibeDateiSicher(ziel, [](std::ostream& aus) { return static_cast<bool>(aus << "alt"); });
    EXPECT_EQ(Lies(ziel), "alt");

    EXPECT_THROW(SchreibeDateiSicher(ziel,
                                     [](std::ostream& aus) {
                                         aus << "halb";
                                         return false;
                                     }),
                 DateiFehler);
    EXPECT_EQ(Lies(ziel), "alt");
    EXPECT_EQ(AnzahlDateien(dir.pfad()), 1u) << "no temporary file left";
}

TEST(DateiSchreiben, UnwritableFolderGivesAMessageNamingTheFile) {
    test::TempDir dir;
    auto ordner = dir / "nur-lesen";
    std::filesystem::create_directory(ordner);
    std::filesystem::permissions(ordner, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    DXF_Object objekt;
    try {
        SaveToFile(objekt, ordner / "b.dxf");
        if (::geteuid() != 0) {
            ADD_FAILURE() << "write into a read-only folder succeeded";
        }
    } catch (const DateiFehler& f) {
        EXPECT_NE(std::string(f.what()).find("b.dxf"), std::string::npos) << f.what();
        EXPECT_EQ(AnzahlDateien(ordner), 0u);
    }
    try {
        SaveToFile(objekt, dir / "fehlt" / "c.dxf");
        ADD_FAILURE() << "write into a missing folder succeeded";
    } catch (const DateiFehler& f) {
        EXPECT_NE(std::string(f.what()).find("could not be written"), std::string::npos);
    }
}

TEST(DateiSchreiben, CopiesBytesUnchanged) {
    test::TempDir dir;
    std::string bytes("a\r\nb\0c\n", 7);
    SchreibeDateiSicher(dir / "q",
                        [&](std::ostream& aus) { return static_cast<bool>(aus << bytes); });
    KopiereDateiSicher(dir / "q", dir / "z");
    EXPECT_EQ(Lies(dir / "z"), bytes);
    EXPECT_THROW(KopiereDateiSicher(dir / "fehlt", dir / "y"), DateiFehler);
    EXPECT_FALSE(std::filesystem::exists(dir / "y"));
    SchreibeDateiSicher(dir / "leer", [](std::ostream&) { return true; });
    KopiereDateiSicher(dir / "leer", dir / "x");
    EXPECT_EQ(Lies(dir / "x"), "");
}

TEST(Dateischreiber, FullDiskKeepsTheOldFileAndSaysSo) {
    test::TempDir dir;
    const std::string klein = "small picture";
    const std::string gross(300 * 1024, 'x');
    for (const std::string* neu : {&klein, &gross}) {
        const fs::path ziel = dir / "bild.png";
        Lege(ziel, "old picture");
        {
            const VollePlatte voll(neu->size() / 2);
            const Schreibergebnis e = SchreibeDatei(ziel, *neu);
            EXPECT_EQ(e.fehler, Schreibfehler::System);
            EXPECT_EQ(e.fehlernummer, ENOSPC);
            EXPECT_EQ(e.Grund(), std::strerror(ENOSPC));
        }
        EXPECT_EQ(Lies(ziel), "old picture");
        EXPECT_EQ(AnzahlDateien(dir.pfad()), 1u);
    }

    // The same on a real full file system, where one can be mounted.
    const KleinesTmpfs tmpfs(dir / "voll");
    if (!tmpfs.eingehaengt_) {
        GTEST_SKIP() << "no tmpfs can be mounted here; the full disk was simulated only";
    }
    const fs::path ziel = dir / "voll" / "bild.png";
    Lege(ziel, "old picture");
    Lege(dir / "voll" / "fuellung", std::string(128 * 1024, 'f')); // fills what is left
    for (const std::string* neu : {&klein, &gross}) {
        EXPECT_EQ(SchreibeDatei(ziel, *neu).fehlernummer, ENOSPC);
        EXPECT_EQ(Lies(ziel), "old picture");
        EXPECT_EQ(AnzahlDateien(dir / "voll"), 2u);
    }
}

TEST(Dateischreiber, RefusesWriteProtectedFilesFoldersAndDevicesInPlaceOfTheTarget) {
    test::TempDir dir;
    const fs::path geschuetzt = dir / "geschuetzt.pdf";
    Lege(geschuetzt, "old");
    fs::permissions(geschuetzt, fs::perms::owner_read | fs::perms::group_read);
    // Refused also for root, whom the system would let write.
    EXPECT_EQ(SchreibeDatei(geschuetzt, "new").fehler, Schreibfehler::Schreibgeschuetzt);
    EXPECT_EQ(Lies(geschuetzt), "old");

    fs::create_directory(dir / "ordner.dxf");
    const Schreibergebnis ordner = SchreibeDatei(dir / "ordner.dxf", "new");
    EXPECT_EQ(ordner.fehler, Schreibfehler::KeineDatei);
    EXPECT_EQ(ordner.Grund(), std::strerror(EISDIR));
    EXPECT_TRUE(fs::is_directory(dir / "ordner.dxf"));

    // A FIFO is neither opened (that would wait for a reader) nor replaced.
    ASSERT_EQ(::mkfifo((dir / "fifo.png").c_str(), 0644), 0);
    EXPECT_EQ(SchreibeDatei(dir / "fifo.png", "new").fehler, Schreibfehler::KeineDatei);
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.png"));
    EXPECT_EQ(AnzahlDateien(dir.pfad()), 3u);
}

TEST(Dateischreiber, FollowsLinksKeepsPermissionsAndTakesAnyBytesAsName) {
    test::TempDir dir;
    fs::create_directory(dir / "ziele");
    Lege(dir / "ziele" / "echt.dxf", "old");
    fs::permissions(dir / "ziele" / "echt.dxf",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("ziele/echt.dxf", dir / "link.dxf");
    ASSERT_TRUE(SchreibeDatei(dir / "link.dxf", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.dxf"));
    EXPECT_EQ(Lies(dir / "ziele" / "echt.dxf"), "new");
    EXPECT_EQ(fs::status(dir / "ziele" / "echt.dxf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A dangling link: the file it names is created.
    fs::create_symlink("ziele/neu.dxf", dir / "offen.dxf");
    ASSERT_TRUE(SchreibeDatei(dir / "offen.dxf", "created"));
    EXPECT_TRUE(fs::is_symlink(dir / "offen.dxf"));
    EXPECT_EQ(Lies(dir / "ziele" / "neu.dxf"), "created");

    // A folder name in Latin-1 is not UTF-8; it is written under exactly these bytes.
    const fs::path latin1 = dir / "Entw\xfc"
                                  "rfe";
    fs::create_directory(latin1);
    ASSERT_TRUE(SchreibeDatei(latin1 / "Gr\xf6\xdf"
                                       "e.txt",
                              "bytes"));
    EXPECT_EQ(Lies(latin1 / "Gr\xf6\xdf"
                            "e.txt"),
              "bytes");
}

TEST(Dateischreiber, SeveralFilesAreAllOldOrAllNewAlsoWhenKilled) {
    test::TempDir dir;
    std::vector<Dateiinhalt> seiten;
    for (int i = 1; i <= 3; ++i) {
        const fs::path p = dir / ("page-" + std::to_string(i) + ".png");
        Lege(p, "old " + std::to_string(i));
        seiten.push_back({p, std::string(1000, static_cast<char>('0' + i))});
    }
    // The third target cannot be written: the first two keep their old content.
    fs::remove(seiten[2].ziel);
    fs::create_directory(seiten[2].ziel);
    EXPECT_EQ(SchreibeDateien(seiten).fehler, Schreibfehler::KeineDatei);
    EXPECT_EQ(Lies(seiten[0].ziel), "old 1");
    EXPECT_EQ(Lies(seiten[1].ziel), "old 2");
    EXPECT_EQ(AnzahlDateien(dir.pfad()), 3u);
    fs::remove(seiten[2].ziel);
    Lege(seiten[2].ziel, "old 3");

    // Killed while writing the second page: every page is the old one.
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        SetzeSchreibeingriff([](std::size_t bisher, std::size_t) {
            if (bisher >= 1000) {
                ::raise(SIGKILL);
            }
            return 0;
        });
        SchreibeDateien(seiten);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFSIGNALED(status));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Lies(seiten[static_cast<std::size_t>(i)].ziel), "old " + std::to_string(i + 1));
    }
    EXPECT_EQ(AnzahlDateien(dir.pfad()), 5u) << "the killed write left two temporary files";

    // The next write replaces all and removes what the killed one left once it is old.
    for (const auto& e : fs::directory_iterator(dir.pfad())) {
        fs::last_write_time(e.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    ASSERT_TRUE(SchreibeDateien(seiten));
    for (const Dateiinhalt& s : seiten) {
        EXPECT_EQ(Lies(s.ziel), s.inhalt);
    }
    EXPECT_EQ(AnzahlDateien(dir.pfad()), 3u);
}

TEST(Dateischreiber, RemovesOnlyItsOwnOldTemporaryFiles) {
    test::TempDir dir;
    const auto alt = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    const std::vector<std::string> verwaist = {".a.txt.vsk-Ab12Cd", ".a.txt.X7kq2Z",
                                               ".a.txt.tmp4242-17", "a.txt.tmp4242"};
    const std::vector<std::string> bleiben = {".a.txt.backup", ".b.txt.vsk-Ab12Cd",
                                              "a.txt.tmp4242.keep", ".a.txt.vsk-Neu123"};
    for (const auto& name : verwaist) {
        Lege(dir / name, "left behind");
        fs::last_write_time(dir / name, alt);
    }
    for (const auto& name : bleiben) {
        Lege(dir / name, "someone's");
        if (name != ".a.txt.vsk-Neu123") { // a write in progress is young
            fs::last_write_time(dir / name, alt);
        }
    }
    ASSERT_TRUE(SchreibeDatei(dir / "a.txt", "new"));
    for (const auto& name : verwaist) {
        EXPECT_FALSE(fs::exists(dir / name)) << name;
    }
    for (const auto& name : bleiben) {
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    }
}

} // namespace
} // namespace vsk
