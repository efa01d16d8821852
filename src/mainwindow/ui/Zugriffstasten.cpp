#include "mainwindow/ui/Zugriffstasten.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenuBar>

namespace vsk {

void GibMenueleisteVorrang(const QMenuBar& leiste, QWidget& fenster) {
    QList<QKeySequence> menuetasten;
    for (const QAction* eintrag : leiste.actions()) {
        const QKeySequence taste = QKeySequence::mnemonic(eintrag->text());
        if (!taste.isEmpty()) {
            menuetasten << taste;
        }
    }
    for (QAbstractButton* knopf : fenster.findChildren<QAbstractButton*>()) {
        if (!knopf->shortcut().isEmpty() && menuetasten.contains(knopf->shortcut())) {
            knopf->setShortcut(QKeySequence());
        }
    }
}

} // namespace vsk
