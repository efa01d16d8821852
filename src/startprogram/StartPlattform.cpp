#include "startprogram/StartPlattform.h"

#include <QApplication>
#include <QMessageBox>

namespace vsk {

namespace {
QMessageBox::StandardButton Zeige(QMessageBox::Icon symbol, const std::string& text,
                                  QMessageBox::StandardButtons knoepfe) {
    QMessageBox box(symbol, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    knoepfe, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void StartPlattform::Meldung(const std::string& text) {
    Zeige(QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void StartPlattform::Information(const std::string& text) {
    Zeige(QMessageBox::Information, text, QMessageBox::Ok);
}

void StartPlattform::Fehler(const std::string& text) {
    Zeige(QMessageBox::Critical, text, QMessageBox::Ok);
}

bool StartPlattform::FrageJaNein(const std::string& text) {
    return Zeige(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

Antwort StartPlattform::FrageJaNeinAbbrechen(const std::string& text) {
    switch (Zeige(QMessageBox::Question, text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    default:
        return Antwort::Abbrechen;
    }
}

} // namespace vsk
