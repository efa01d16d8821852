#include "model/SicheresSchreiben.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vsk {

namespace {

bool SchreibeAlles(int fd, std::string_view inhalt) {
    while (!inhalt.empty()) {
        ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        inhalt.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Mode for a new file: what the user's umask gives an ordinary file.
mode_t NeuerDateimodus() {
    mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

void SyncVerzeichnis(const std::filesystem::path& verzeichnis) {
    int fd = ::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool SchreibeDateiSicher(const std::filesystem::path& zielAngabe, std::string_view inhalt) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    fs::path ziel = zielAngabe;
    if (fs::is_symlink(ziel, fehler)) {
        ziel = fs::weakly_canonical(ziel, fehler);
        if (fehler) {
            return false;
        }
    }
    if (ziel.filename().empty()) {
        return false;
    }
    fs::path verzeichnis = ziel.parent_path();
    if (verzeichnis.empty()) {
        verzeichnis = ".";
    }

    mode_t modus = NeuerDateimodus();
    struct stat info {};
    if (::stat(ziel.c_str(), &info) == 0) {
        // A file without write bits stays untouched also for a user whom the system
        // would let write (root), as the settings file does.
        if (!S_ISREG(info.st_mode) || ::access(ziel.c_str(), W_OK) != 0 ||
            (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return false;
        }
        modus = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    std::string vorlage = (verzeichnis / ("." + ziel.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(vorlage.data());
    if (fd < 0) {
        return false;
    }
    bool ok = SchreibeAlles(fd, inhalt) && ::fchmod(fd, modus) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ok = ::rename(vorlage.c_str(), ziel.c_str()) == 0;
    }
    if (!ok) {
        ::unlink(vorlage.c_str());
        return false;
    }
    SyncVerzeichnis(verzeichnis);
    return true;
}

} // namespace vsk
