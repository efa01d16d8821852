#pragma once
// What the program's modal input windows share: a status line that shows the long part
// of the hint under the mouse, hints split into tool tip and status text, Enter moving
// the focus like Tab (a new line in a memo), the OK / Cancel / Help buttons, and the hook
// through which the help button asks for its topic.

#include <QDialog>
#include <QList>
#include <QString>

class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace vsk {

class TDialogFenster : public QDialog {
    Q_OBJECT
public:
    explicit TDialogFenster(QWidget* parent = nullptr);

    // "short|long": the short part is the tool tip, the long part the status text; a hint
    // without "|" is used whole for both.
    static void SetzeHinweis(QWidget* widget, const QString& hinweis);
    static QString KurzerHinweis(const QString& hinweis);
    static QString LangerHinweis(const QString& hinweis);

    QStatusBar* Statuszeile() const { return statuszeile_; }

signals:
    // The help button was pressed; the help viewer shows the topic.
    void hilfeAngefordert(const QString& thema);

protected:
    struct Dialogknoepfe {
        QPushButton* ok = nullptr;
        QPushButton* abbrechen = nullptr;
        QPushButton* hilfe = nullptr; // only with a help topic
    };
    // "&OK", "&Cancel" and, with a help topic, "&Help": named BitBtnOK, BitBtnAbbrechen
    // and BitBtnHilfe, with their hints, connected to accept, reject and the topic; none
    // of them fires on Enter.
    Dialogknoepfe BaueDialogknoepfe(const QString& hilfethema = {});
    // The buttons in a row at the right.
    static QHBoxLayout* Knopfreihe(const Dialogknoepfe& knoepfe);

    // Enter and Shift+Enter move the focus to the next or previous control and are not
    // passed on (no default button fires).
    void EnterAlsTab(bool an) { enterAlsTab_ = an; }
    // In this memo Enter starts a new line instead.
    void EnterNeueZeile(QPlainTextEdit* memo);
    // Places the window in the middle of the screen it is on.
    void AufBildschirmMitte();

    bool event(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QStatusBar* statuszeile_;
    bool enterAlsTab_ = false;
    QList<QObject*> memos_;
};

} // namespace vsk
