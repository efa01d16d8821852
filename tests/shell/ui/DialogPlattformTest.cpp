// Message boxes of the windowed program: caption, text and the answer of each button.

#include "shell/ui/DialogPlattform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace vsk;

class DialogPlattformTest : public QObject {
    Q_OBJECT

    QString titel;
    QString text;

    // Runs aktion on the message box once it is shown, recording caption and text.
    void BeimDialog(std::function<void(QMessageBox*)> aktion) {
        QTimer::singleShot(0, this, [this, aktion] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            titel = box->windowTitle();
            text = box->text();
            aktion(box);
        });
    }

private slots:
    void frageMitTitelUndAntworten() {
        DialogPlattform p("/opt/vsk/bin/vsk", QLocale::c());
        BeimDialog([](QMessageBox* b) { b->button(QMessageBox::No)->click(); });
        QCOMPARE(p.FrageJaNeinAbbrechen("Do you want to save current calculation?"), Antwort::Nein);
        QCOMPARE(titel, QStringLiteral("Tervo - VSK / VSKQ Shear Connectros"));
        QCOMPARE(text, QStringLiteral("Do you want to save current calculation?"));
        BeimDialog([](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); });
        QCOMPARE(p.FrageJaNeinAbbrechen("?"), Antwort::Abbrechen);
        BeimDialog([](QMessageBox* b) { b->button(QMessageBox::Yes)->click(); });
        QCOMPARE(p.FrageJaNeinAbbrechen("?"), Antwort::Ja);
        BeimDialog([](QMessageBox* b) { b->button(QMessageBox::Yes)->click(); });
        QVERIFY(p.FrageJaNein("?"));
    }

    void meldungMitWindowsZeilenumbruch() {
        DialogPlattform p("/opt/vsk/bin/vsk", QLocale::c());
        BeimDialog([](QMessageBox* b) { b->button(QMessageBox::Ok)->click(); });
        p.Meldung("first\r\n\r\nsecond");
        QCOMPARE(text, QStringLiteral("first\n\nsecond"));
        QCOMPARE(titel, QStringLiteral("Tervo - VSK / VSKQ Shear Connectros"));
    }
};

QTEST_MAIN(DialogPlattformTest)
#include "DialogPlattformTest.moc"
