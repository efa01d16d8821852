#include "shell/ui/DialogPlattform.h"

#include "model/Sicherung.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

namespace vsk {

namespace {

// The program's texts carry Windows line breaks; a message box wants plain ones.
QString AlsText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QWidget* Besitzer() {
    return QApplication::activeWindow();
}

int Zeige(const QString& titel, QMessageBox::Icon icon, const std::string& text,
          QMessageBox::StandardButtons knoepfe, QMessageBox::StandardButton vorgabe) {
    QMessageBox box(icon, titel, AlsText(text), knoepfe, Besitzer());
    box.setDefaultButton(vorgabe);
    return box.exec();
}

} // namespace

QString AnwendungsTitel() {
    return QApplication::translate("Programm", "Tervo - VSK / VSKQ Shear Connectros");
}

DialogPlattform::DialogPlattform(std::filesystem::path programmdatei, QLocale locale, Titel titel)
    : QtPlattform(std::move(programmdatei), std::move(locale)), titel_(std::move(titel)) {}

std::filesystem::path DialogPlattform::Sicherungsordner() const {
    const char* zustand = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    return vsk::Sicherungsordner(zustand ? zustand : "", home ? home : "");
}

void DialogPlattform::Meldung(const std::string& text) {
    Zeige(titel_(), QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void DialogPlattform::Information(const std::string& text) {
    Zeige(titel_(), QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void DialogPlattform::Fehler(const std::string& text) {
    Zeige(titel_(), QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool DialogPlattform::FrageJaNein(const std::string& text) {
    return Zeige(titel_(), QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                 QMessageBox::Yes) == QMessageBox::Yes;
}

Antwort DialogPlattform::FrageJaNeinAbbrechen(const std::string& text) {
    // A question without icon; Escape and the close button answer Cancel.
    QMessageBox box(QMessageBox::NoIcon, titel_(), AlsText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Besitzer());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    default:
        return Antwort::Abbrechen;
    }
}

} // namespace vsk
