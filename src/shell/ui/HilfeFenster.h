#pragma once
// The help viewer: the help pages beside the program with their contents, a keyword
// index and the pages themselves. Opened through shell/ui/Hilfe.h.

#include "shell/qt/Hilfeindex.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace vsk {

class TfrmHilfe final : public QWidget {
    Q_OBJECT

public:
    explicit TfrmHilfe(const QString& verzeichnis, QWidget* parent = nullptr);

    const THilfeindex& Index() const { return index_; }
    void ZeigeInhalt();
    // The keyword index with wort in its search field; the first keyword that begins
    // with it is selected and its page shown.
    void ZeigeSuche(const QString& wort = {});
    void ZeigeBenutzung();
    // False, and the contents shown, when no page has the number or name.
    bool ZeigeKontext(int kontext);
    bool ZeigeThema(const QString& thema);
    // The page shown, "page.html" or "page.html#anchor".
    QString AktuelleSeite() const;
    QTextBrowser& Browser() { return *browser_; }
    QListWidget& Stichwortliste() { return *stichwoerter_; }

protected:
    void changeEvent(QEvent* e) override;

private:
    void UebersetzeTexte();
    void ZeigeSeite(const QString& ziel);
    void FuelleStichwoerter(const QString& wort);
    void ZeigeFehlendeHilfe();

    THilfeindex index_;
    QString aktuell_;
    QTabWidget* reiter_ = nullptr;
    QListWidget* inhalt_ = nullptr;
    QLineEdit* suche_ = nullptr;
    QListWidget* stichwoerter_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QPushButton* zurueck_ = nullptr;
    QPushButton* vor_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* benutzung_ = nullptr;
};

} // namespace vsk
