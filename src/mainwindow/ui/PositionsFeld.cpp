#include "mainwindow/ui/PositionsFeld.h"

#include "model/Modell.h"

namespace vsk {

TPositionsFeld::TPositionsFeld(QWidget* parent) : QSpinBox(parent) {
    setObjectName(QStringLiteral("sEditAktAnwendung"));
}

QValidator::State TPositionsFeld::validate(QString& text, int& pos) const {
    const QValidator::State zustand = QSpinBox::validate(text, pos);
    bool zahl = false;
    text.trimmed().toLongLong(&zahl);
    // An out-of-range number is kept until the field is left, instead of refusing the key.
    return zustand == QValidator::Invalid && zahl ? QValidator::Intermediate : zustand;
}

void TPositionsFeld::fixup(QString& text) const {
    bool zahl = false;
    const long long wert = text.trimmed().toLongLong(&zahl);
    if (zahl) {
        text = QString::number(GewaehltePosition(wert, maximum()));
    }
}

} // namespace vsk
