#pragma once
// Hints have a short and a long part separated by "|": the short part is the tool tip,
// the long part is shown in the status bar of the active window while the mouse is over
// the control. A hint without "|" uses the whole text for both.

#include <QString>

class QAction;
class QWidget;

namespace vsk {

void SetzeHinweis(QWidget* widget, const QString& hinweis);
void SetzeHinweis(QAction* aktion, const QString& hinweis);

QString KurzerHinweis(const QString& hinweis);
QString LangerHinweis(const QString& hinweis);

} // namespace vsk
