// Alt+letter with the focus in an input field: every menu bar entry opens its menu (the
// menu-less "Project Administration" runs its command), also where a button shares the
// letter; in English and with the German module.

#include "mainwindow/ui/Aktionen.h"
#include "mainwindow/ui/EingabePanel.h"
#include "mainwindow/ui/Vorschau.h"
#include "mainwindow/ui/ZahlenFeld.h"
#include "model/ui/ProjektverwaltungFenster.h"
#include "shell/Sprachmodule.h"
#include "shell/qt/Sprachumschaltung.h"
#include "support/Hauptfenster.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vsk;

class ZugriffstastenTest : public test::HauptfensterTest {
    Q_OBJECT

private:
    std::unique_ptr<Sprachumschaltung> sprachen_;

    TZahlenFeld* Dickenfeld() { return fenster->Panel().Feld(QStringLiteral("meditPlatteDicke")); }

    // Presses the access key of every menu bar entry in the control and checks what opens.
    void JederMenueeintragPerTaste(QWidget* feld) {
        const QList<QAction*> eintraege = fenster->menuBar()->actions();
        QVERIFY(eintraege.size() >= 8);
        for (QAction* eintrag : eintraege) {
            const QKeySequence taste = QKeySequence::mnemonic(eintrag->text());
            QVERIFY2(!taste.isEmpty(), qPrintable(eintrag->text()));
            fenster->activateWindow(); // again after the modal window
            QTRY_COMPARE(QApplication::activeWindow(), fenster.get());
            feld->setFocus(Qt::OtherFocusReason);
            QCOMPARE(QApplication::focusWidget(), feld);
            const QKeyCombination k = taste[0];
            if (eintrag->menu() != nullptr) {
                QTest::keyClick(feld, k.key(), k.keyboardModifiers());
                QVERIFY2(QApplication::activePopupWidget() == eintrag->menu(),
                         qPrintable(eintrag->text()));
                eintrag->menu()->close();
            } else {
                bool verwaltung = false;
                QTimer::singleShot(0, fenster.get(), [&verwaltung] {
                    if (auto* f = qobject_cast<TfrmProjektverwaltung*>(
                            QApplication::activeModalWidget())) {
                        verwaltung = true;
                        f->reject();
                    }
                });
                QTest::keyClick(feld, k.key(), k.keyboardModifiers());
                QVERIFY2(verwaltung, qPrintable(eintrag->text()));
            }
        }
        QVERIFY(plattform->meldungen.empty()); // a field was never left
    }

    // The entries this program added to the menus: a letter no other entry of the menu has.
    void EigeneEintraegeMitEigenerTaste() {
        for (QAction* eintrag :
             {fenster->Aktionen().projektbericht, fenster->Aktionen().ifcExport}) {
            const QKeySequence taste = QKeySequence::mnemonic(eintrag->text());
            QVERIFY2(!taste.isEmpty(), qPrintable(eintrag->text()));
            for (QObject* objekt : eintrag->associatedObjects()) {
                if (auto* menue = qobject_cast<QMenu*>(objekt)) {
                    for (QAction* andere : menue->actions()) {
                        QVERIFY2(andere == eintrag ||
                                     QKeySequence::mnemonic(andere->text()) != taste,
                                 qPrintable(eintrag->text() + " / " + andere->text()));
                    }
                }
            }
        }
    }

private slots:
    void init() { Aufbauen(); }
    void cleanup() {
        Abbauen();
        sprachen_.reset(); // the built-in English texts return
    }

    void englisch() {
        // "&Calculation", "&Arbitrary" and "&Return to entry" share Alt+C, Alt+A and Alt+R
        // with menu bar entries; the buttons keep their captions.
        auto* rechnen = fenster->findChild<QPushButton*>(QStringLiteral("BitBtnBerechnung"));
        QVERIFY(rechnen);
        QCOMPARE(rechnen->text(), QStringLiteral("&Calculation"));
        JederMenueeintragPerTaste(Dickenfeld());
        EigeneEintraegeMitEigenerTaste();
        // The preview shows "&Return to entry" and "To &Clipboard" instead.
        fenster->SetAnzeigeModus(TfrmHauptMaske::Vorschau);
        JederMenueeintragPerTaste(&fenster->VorschauBereich());
    }

    void deutsch() {
        Abbauen();
        sprachen_ =
            std::make_unique<Sprachumschaltung>(std::filesystem::path(VSK_PROGRAMM_ORDNER) / "vsk");
        const bool geladen = sprachen_->LadeSprachmodul(sprach_id::Deutsch);
        Aufbauen();
        QVERIFY(geladen);
        QCOMPARE(fenster->Aktionen().projektverwaltung->text(),
                 QStringLiteral("Projektver&waltung"));
        JederMenueeintragPerTaste(Dickenfeld());
        EigeneEintraegeMitEigenerTaste();
    }
};

QTEST_MAIN(ZugriffstastenTest)
#include "ZugriffstastenTest.moc"
