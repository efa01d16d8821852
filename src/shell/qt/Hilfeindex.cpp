#include "shell/qt/Hilfeindex.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace vsk {

namespace {

QString Lies(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(f.readAll());
}

// HTML entities the pages use in titles and keywords.
QString OhneEntities(QString s) {
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s.simplified();
}

QStringList Meta(const QString& html, const QString& name) {
    static const QRegularExpression muster(
        QStringLiteral("<meta\\s+name=\"([^\"]+)\"\\s+content=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList werte;
    for (auto it = muster.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).compare(name, Qt::CaseInsensitive) == 0) {
            werte << OhneEntities(m.captured(2));
        }
    }
    return werte;
}

QStringList Woerter(const QString& liste) {
    QStringList woerter;
    for (const QString& w : liste.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!w.trimmed().isEmpty()) {
            woerter << w.trimmed();
        }
    }
    return woerter;
}

} // namespace

THilfeindex::THilfeindex(const QString& verzeichnis) : verzeichnis_(verzeichnis) {
    const QDir dir(verzeichnis);
    if (!dir.exists()) {
        return;
    }
    // Order: the links of the contents page (the page itself first), then the rest.
    QStringList reihe{QString::fromLatin1(Inhaltsseite)};
    static const QRegularExpression verweis(QStringLiteral("href=\"([^\"#:]+\\.html)"));
    for (auto it = verweis.globalMatch(Lies(dir.filePath(reihe.front()))); it.hasNext();) {
        const QString datei = it.next().captured(1);
        if (!reihe.contains(datei)) {
            reihe << datei;
        }
    }
    for (const QString& datei :
         dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        if (!reihe.contains(datei)) {
            reihe << datei;
        }
    }

    static const QRegularExpression titel(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression anker(
        QStringLiteral("<a\\s+name=\"([^\"]+)\"\\s+title=\"([^\"]*)\""));
    for (const QString& datei : reihe) {
        if (!QFile::exists(dir.filePath(datei))) {
            continue;
        }
        const QString html = Lies(dir.filePath(datei));
        THilfeseite seite;
        seite.datei = datei;
        seite.titel = OhneEntities(titel.match(html).captured(1));
        for (const QString& k : Meta(html, QStringLiteral("help-context"))) {
            bool ok = false;
            const int nummer = k.toInt(&ok);
            if (ok) {
                seite.kontexte.push_back(nummer);
            }
        }
        for (const QString& t : Meta(html, QStringLiteral("help-topic"))) {
            seite.themen << Woerter(t);
        }
        for (const QString& k : Meta(html, QStringLiteral("keywords"))) {
            for (const QString& w : Woerter(k)) {
                stichwoerter_.push_back({w, datei});
            }
        }
        for (auto it = anker.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            for (const QString& w : Woerter(OhneEntities(m.captured(2)))) {
                stichwoerter_.push_back({w, datei + QLatin1Char('#') + m.captured(1)});
            }
        }
        seiten_.push_back(std::move(seite));
    }
    // A keyword of a whole page that also marks a place on it leads to the place.
    const auto genauer = [this](const THilfeStichwort& s) {
        return !s.ziel.contains(QLatin1Char('#')) &&
               std::any_of(stichwoerter_.begin(), stichwoerter_.end(),
                           [&s](const THilfeStichwort& t) {
                               return t.ziel.startsWith(s.ziel + QLatin1Char('#')) &&
                                      t.wort.compare(s.wort, Qt::CaseInsensitive) == 0;
                           });
    };
    std::vector<THilfeStichwort> alle;
    for (const THilfeStichwort& s : stichwoerter_) {
        if (!genauer(s)) {
            alle.push_back(s);
        }
    }
    stichwoerter_ = std::move(alle);
    std::stable_sort(stichwoerter_.begin(), stichwoerter_.end(),
                     [](const THilfeStichwort& a, const THilfeStichwort& b) {
                         return a.wort.compare(b.wort, Qt::CaseInsensitive) < 0;
                     });
}

QString THilfeindex::SeiteFuerKontext(int kontext) const {
    for (const THilfeseite& s : seiten_) {
        if (std::find(s.kontexte.begin(), s.kontexte.end(), kontext) != s.kontexte.end()) {
            return s.datei;
        }
    }
    return {};
}

QString THilfeindex::SeiteFuerThema(const QString& thema) const {
    for (const THilfeseite& s : seiten_) {
        if (s.themen.contains(thema.trimmed(), Qt::CaseInsensitive)) {
            return s.datei;
        }
    }
    return {};
}

std::vector<THilfeStichwort> THilfeindex::Suche(const QString& wort) const {
    std::vector<THilfeStichwort> treffer;
    const QString w = wort.trimmed();
    for (const THilfeStichwort& s : stichwoerter_) {
        if (s.wort.startsWith(w, Qt::CaseInsensitive)) {
            treffer.push_back(s);
        }
    }
    return treffer;
}

} // namespace vsk
