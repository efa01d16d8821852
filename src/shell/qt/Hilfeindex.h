#pragma once
// The help pages beside the program: HTML files in one folder. inhalt.html is the
// contents page; its links give the order of the pages. A page names itself in its head:
//   <title>…</title>
//   <meta name="help-context" content="210">            context number (F1 of a window)
//   <meta name="help-topic" content="MaskeBewehrung">    topic name (help buttons)
//   <meta name="keywords" content="joint width; concrete grade">
// and marks places in the text for the keyword index with
//   <a name="fugenbreite" title="joint width; Fugenbreite"></a>

#include <QString>
#include <QStringList>
#include <vector>

namespace vsk {

struct THilfeseite {
    QString datei; // file name inside the folder
    QString titel;
    std::vector<int> kontexte;
    QStringList themen;
};

struct THilfeStichwort {
    QString wort;
    QString ziel; // "page.html" or "page.html#anchor"
};

class THilfeindex {
public:
    // Reads every page of the folder; a missing folder gives an empty index.
    explicit THilfeindex(const QString& verzeichnis);

    static constexpr const char* Inhaltsseite = "inhalt.html";
    static constexpr const char* Benutzungsseite = "hilfe_benutzen.html";

    const QString& Verzeichnis() const { return verzeichnis_; }
    bool Vorhanden() const { return !seiten_.empty(); }
    // The pages in the order of the contents page, then any others by file name.
    const std::vector<THilfeseite>& Seiten() const { return seiten_; }
    // Sorted without regard to case.
    const std::vector<THilfeStichwort>& Stichwoerter() const { return stichwoerter_; }

    // The page's file name, empty when no page has the number or name (names compare
    // without regard to case).
    QString SeiteFuerKontext(int kontext) const;
    QString SeiteFuerThema(const QString& thema) const;
    // The keywords beginning with wort (all for an empty word).
    std::vector<THilfeStichwort> Suche(const QString& wort) const;

private:
    QString verzeichnis_;
    std::vector<THilfeseite> seiten_;
    std::vector<THilfeStichwort> stichwoerter_;
};

} // namespace vsk
