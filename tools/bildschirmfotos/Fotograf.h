#pragma once
// Saves pictures of windows as numbered PNG files. A window opened by a command (modal or
// not) is caught once it shows, saved and closed again, so a whole run of the program can
// be photographed without anyone at the keyboard.

#include <QString>
#include <functional>

class QWidget;

namespace vsk {

class Fotograf {
public:
    explicit Fotograf(QString verzeichnis) : verzeichnis_(std::move(verzeichnis)) {}

    // Saves the widget as NN_name.png; false when the file could not be written.
    bool Speichere(QWidget& fenster, const QString& name);
    // Runs oeffne (which may block in a modal dialog's loop) and saves and closes the
    // window it opens. False when no window appeared.
    bool Fenster(const QString& name, const std::function<void()>& oeffne);

    int Fehler() const { return fehler_; }

private:
    QString verzeichnis_;
    int nummer_ = 0;
    int fehler_ = 0;
};

} // namespace vsk
