#include "shell/Pfade.h"

#include <algorithm>
#include <sys/stat.h>
#include <system_error>

namespace vsk {

namespace fs = std::filesystem;

namespace {
bool IstTrenner(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

char Klein(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string MitBackslash(const std::string& pfad) {
    if (pfad.empty() || IstTrenner(pfad.back())) {
        return pfad;
    }
    return pfad + static_cast<char>(fs::path::preferred_separator);
}

bool GleichOhneGrossKlein(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Klein(x) == Klein(y); });
}

std::optional<fs::path> FindeOhneGrossKlein(const fs::path& verzeichnis, const std::string& name) {
    if (name.empty()) {
        return std::nullopt;
    }
    std::error_code fehler;
    const fs::path basis = verzeichnis.empty() ? fs::path(".") : verzeichnis;
    fs::path genau = basis / name;
    if (fs::exists(fs::symlink_status(genau, fehler))) {
        return verzeichnis.empty() ? fs::path(name) : genau;
    }
    fs::directory_iterator it(basis, fehler);
    if (fehler) {
        return std::nullopt;
    }
    // Sorted, so that two entries differing only in case always give the same answer.
    std::optional<std::string> treffer;
    for (const fs::directory_entry& eintrag : it) {
        std::string kandidat = eintrag.path().filename().string();
        if (GleichOhneGrossKlein(kandidat, name) && (!treffer || kandidat < *treffer)) {
            treffer = kandidat;
        }
    }
    if (!treffer) {
        return std::nullopt;
    }
    return verzeichnis.empty() ? fs::path(*treffer) : verzeichnis / *treffer;
}

std::optional<fs::path> FindePfadOhneGrossKlein(const fs::path& basis, const fs::path& relativ) {
    fs::path aktuell = basis;
    for (const fs::path& teil : relativ) {
        const std::string name = teil.string();
        if (name.empty() || name == ".") {
            continue;
        }
        if (name == "..") {
            aktuell /= name;
            continue;
        }
        auto gefunden = FindeOhneGrossKlein(aktuell, name);
        if (!gefunden) {
            return std::nullopt;
        }
        aktuell = *gefunden;
    }
    return aktuell;
}

fs::path Einhaengepunkt(const fs::path& pfad) {
    std::error_code fehler;
    fs::path p = fs::canonical(pfad, fehler);
    if (fehler) {
        return {};
    }
    struct stat info {};
    if (::stat(p.c_str(), &info) != 0) {
        return {};
    }
    if (!fs::is_directory(p, fehler)) {
        p = p.parent_path();
    }
    const dev_t geraet = info.st_dev;
    // Walk up while the parent still lies on the same device.
    while (p.has_parent_path() && p.parent_path() != p) {
        struct stat oben {};
        if (::stat(p.parent_path().c_str(), &oben) != 0 || oben.st_dev != geraet) {
            break;
        }
        p = p.parent_path();
    }
    return p;
}

} // namespace vsk
