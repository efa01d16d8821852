#pragma once
// A language button of the splash and start windows: a clickable area over the language
// name that the window's picture shows. It paints no face of its own, so the name stays
// visible; the mouse over it or the keyboard focus on it outlines the name.

#include <QColor>
#include <QToolButton>

namespace vsk {

class TSprachknopf final : public QToolButton {
    Q_OBJECT
public:
    // umriss: the outline's colour, one that stands out against the window's picture.
    TSprachknopf(const QColor& umriss, QWidget* parent);
};

} // namespace vsk
