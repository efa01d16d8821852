// The program killed with unsaved work, and started again: Yes to the recovery question
// gives the work back (marked unsaved, and copied again by the new run); No keeps the copy
// aside. The program runs as its own process (the start with test hooks, AbsturzProgramm)
// from a folder of its own, with its recovery copies every second.

#include "support/Dateiinhalt.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QTest>

#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

class AbsturzTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vsk::test::TempDir> dir_;
    fs::path ordner_; // the recovery copies

    // The names in the copies' folder beginning with art and ending with endung.
    QStringList Dateien(const char* art, const char* endung = ".VSK") const {
        QStringList namen;
        std::error_code fehler;
        for (const auto& e : fs::directory_iterator(ordner_, fehler)) {
            const QString name = QString::fromStdString(e.path().filename().string());
            if (name.startsWith(QLatin1String(art)) && name.endsWith(QLatin1String(endung))) {
                namen << name;
            }
        }
        return namen;
    }

    std::unique_ptr<QProcess> Starte(const QStringList& argumente) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), QString::fromStdString(dir_->pfad().string()));
        env.insert(QStringLiteral("XDG_STATE_HOME"),
                   QString::fromStdString((*dir_ / "state").string()));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->start(QString::fromStdString((*dir_ / "vsk").string()), argumente);
        return p;
    }

    static void Toete(QProcess& p) {
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished(10000);
    }

    // Standard output up to the line that begins with the key, and that line's rest.
    static QString Zeile(QProcess& p, const QString& schluessel, QString& alles) {
        for (int i = 0; i < 300; ++i) {
            p.waitForReadyRead(100);
            alles += QString::fromUtf8(p.readAllStandardOutput());
            for (const QString& z : alles.split(QLatin1Char('\n'))) {
                if (z.startsWith(schluessel + QLatin1Char('='))) {
                    return z.mid(schluessel.size() + 1);
                }
            }
        }
        return {};
    }

private slots:
    void init() {
        dir_ = std::make_unique<vsk::test::TempDir>();
        ordner_ = *dir_ / "state" / "VSK";
        // The program from its own folder: its settings file lies beside it.
        fs::copy_file(VSK_ABSTURZPROGRAMM, *dir_ / "vsk");
        vsk::test::Lege(*dir_ / "vsk.INI", "[Anwenderdaten]\nAutoSicherung=1\n");
    }
    void cleanup() { dir_.reset(); }

    void getoetetUndWiederhergestellt() {
        // A change, its copy, the kill.
        auto erster = Starte({QStringLiteral("--aendere")});
        QTRY_VERIFY_WITH_TIMEOUT(Dateien("Sicherung-").size() == 1, 30000);
        Toete(*erster);
        const QString kopie = Dateien("Sicherung-").first();
        QVERIFY(vsk::test::Lies(ordner_ / kopie.toStdString()).find(">321<") != std::string::npos);

        // Yes: the change is back, unsaved; the new run's own copy replaces the old one.
        auto zweiter =
            Starte({QStringLiteral("--antwort"), QStringLiteral("ja"), QStringLiteral("--melde")});
        QString ausgabe;
        QCOMPARE(Zeile(*zweiter, QStringLiteral("Dicke"), ausgabe), QStringLiteral("321"));
        QVERIFY2(ausgabe.contains(QStringLiteral("Frage=The program did not end properly")),
                 qPrintable(ausgabe));
        QCOMPARE(Zeile(*zweiter, QStringLiteral("Titel"), ausgabe),
                 QStringLiteral("Tervo - VSK / VSKQ Shear Connectors: Unnamed *"));
        QTRY_VERIFY_WITH_TIMEOUT(!Dateien("Sicherung-").contains(kopie), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(Dateien("Sicherung-").size(), 1, 30000);
        Toete(*zweiter);

        // No: a fresh project, and the copy put aside, not offered again.
        auto dritter = Starte({QStringLiteral("--antwort"), QStringLiteral("nein"),
                               QStringLiteral("--melde"), QStringLiteral("--ende")});
        ausgabe.clear();
        QCOMPARE(Zeile(*dritter, QStringLiteral("Dicke"), ausgabe), QStringLiteral("450"));
        QVERIFY(dritter->waitForFinished(30000));
        QCOMPARE(dritter->exitCode(), 0);
        QVERIFY(Dateien("Sicherung-").isEmpty());
        const QStringList beiseite = Dateien("Beiseite-");
        QCOMPARE(beiseite.size(), 1);
        QVERIFY(vsk::test::Lies(ordner_ / beiseite.first().toStdString()).find(">321<") !=
                std::string::npos);
        auto vierter = Starte({QStringLiteral("--melde"), QStringLiteral("--ende")});
        ausgabe.clear();
        QCOMPARE(Zeile(*vierter, QStringLiteral("Dicke"), ausgabe), QStringLiteral("450"));
        QVERIFY(!ausgabe.contains(QStringLiteral("Frage=")));
        QVERIFY(vierter->waitForFinished(30000));
    }
};

QTEST_MAIN(AbsturzTest)
#include "AbsturzTest.moc"
