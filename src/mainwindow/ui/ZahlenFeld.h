#pragma once
// A numeric input field: a line edit that knows its check mode and bounds, the value it
// stores when left empty and the text it shows for a zero value. Leaving the field
// (by Tab, Enter, a click elsewhere or a command) emits verlassen(); the owner checks
// and stores. A focus change caused by a message box or another window is not a leave.
// A field whose text failed its check is marked (red frame and background) until its
// text passes or the field shows a model value again.

#include "shell/Feldpruefung.h"

#include <QLineEdit>
#include <QString>

namespace vsk {

class TZahlenFeld final : public QLineEdit {
    Q_OBJECT
public:
    TZahlenFeld(const QString& name, Feldgrenzen grenzen, double leerwert, QString nulltext,
                QWidget* parent = nullptr);

    const Feldgrenzen& Grenzen() const { return grenzen_; }
    double Leerwert() const { return leerwert_; }
    const QString& Nulltext() const { return nulltext_; }

    // Shows a model value: FormatWert with the field's zero text.
    void ZeigeWert(double wert, char trenner);
    // Shows a value with another zero text (the disabled design-load fields).
    void ZeigeWert(double wert, const QString& nulltext, char trenner);

    // The error mark of a failed check.
    void SetzeFehler(bool fehler);
    bool Fehlerhaft() const { return fehler_; }

signals:
    void verlassen(TZahlenFeld* feld);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    Feldgrenzen grenzen_;
    double leerwert_;
    QString nulltext_;
    bool fehler_ = false;
};

} // namespace vsk
