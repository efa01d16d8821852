#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/HauptMaske.h"
#include "model/ui/ProjektdatenFenster.h"
#include "model/ui/ProjektverwaltungFenster.h"
#include "model/ui/StuecklisteFenster.h"
#include "shell/Einstellungen.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace vsk::test {

class HauptMaskeProjektTest final : public QObject {
    Q_OBJECT
private slots:
    void UebernommenePositionWirdAktuell();
    void ProjektdatenUndStuecklisteOeffnenAusDemHauptfenster();
};

namespace {

// The main window with a project of three positions in the remembered folder.
struct Programmumgebung : Hauptfenster {
    Programmumgebung() {
        Vorbereiten();
        std::filesystem::copy_file(std::filesystem::path(VSK_TEST_DATA) / "projekt" /
                                       "referenz_mehrere.VSK",
                                   *verzeichnis / "drei.VSK");
        Einstellungen(plattform->einstellungsdatei, '.')
            .WriteString("Anwenderdaten", "Version", verzeichnis->pfad().string());
        Starten(Warten::Sichtbar, Dateidialoge::Qt);
    }
};

// Triggers the command; once its modal window of type T is up, runs the action on it.
template <class T> bool ImFenster(QAction* befehl, const std::function<void(T&)>& aktion) {
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        if (auto* f = qobject_cast<T*>(QApplication::activeModalWidget())) {
            gesehen = true;
            aktion(*f);
            if (f->isVisible()) {
                f->reject();
            }
        }
    });
    befehl->trigger();
    return gesehen;
}

} // namespace

void HauptMaskeProjektTest::UebernommenePositionWirdAktuell() {
    Programmumgebung u;
    QAction* befehl = u.fenster->Aktionen().projektverwaltung;
    QVERIFY(befehl->isEnabled());
    QCOMPARE(befehl->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    QVERIFY(ImFenster<TfrmProjektverwaltung>(befehl, [](TfrmProjektverwaltung& f) {
        f.lbDateien->setCurrentRow(0);
        f.lvPositionen->setCurrentItem(f.lvPositionen->topLevelItem(2));
        f.BitBtnUebernehmen->click();
    }));
    TKModell& m = u.programm->AktModell();
    QCOMPARE(int(m.TAnzAnwendung()), 2);
    QCOMPARE(int(m.TAktAnwendung), 2);
    QCOMPARE(u.programm->AktAnwendung().TPosition, std::string("multi01-3"));
    QCOMPARE(u.fenster->Positionswahl().value(), 2);
    QCOMPARE(u.fenster->EditPosition().text(), QStringLiteral("multi01-3"));
}

void HauptMaskeProjektTest::ProjektdatenUndStuecklisteOeffnenAusDemHauptfenster() {
    Programmumgebung u;
    QVERIFY(
        ImFenster<TfrmProjektdaten>(u.fenster->Aktionen().projektdaten, [](TfrmProjektdaten& f) {
            f.editBauvorhaben->setText(QStringLiteral("Hall 9"));
            f.BitBtnOK->click();
        }));
    QCOMPARE(u.programm->AktModell().Projektbeschreibung.TBauvorhaben, std::string("Hall 9"));
    QCOMPARE(u.fenster->EditBauvorhaben().text(), QStringLiteral("Hall 9"));

    u.programm->AktModell().Stueckliste.AddEintrag({"A", "1", "2", "VSK 20", "2"});
    QVERIFY(ImFenster<TfrmStueckliste>(u.fenster->Aktionen().stuecklisteAnzeigen,
                                       [](TfrmStueckliste& f) {
                                           QCOMPARE(f.lvListe->topLevelItemCount(), 1);
                                           f.BitBtnZurueck->click();
                                       }));
}

} // namespace vsk::test

QTEST_MAIN(vsk::test::HauptMaskeProjektTest)
#include "HauptMaskeProjektTest.moc"
