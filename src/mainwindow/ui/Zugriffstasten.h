#pragma once
// Access keys of the main window. A menu bar entry and a button with the same access key
// make Alt+letter ambiguous, and Qt then activates neither. As menu access keys do on the
// desktop the program comes from, the menu wins: such a button keeps its caption (letter
// for letter, the underline included) and gives its key to the menu. Captions differ by
// language, so the clashes are found from the texts, not listed.

class QMenuBar;
class QWidget;

namespace vsk {

// Takes the key from every button of the window whose access key is a menu bar entry's.
void GibMenueleisteVorrang(const QMenuBar& leiste, QWidget& fenster);

} // namespace vsk
