#include "dxf/DateiSchreiben.h"

#include "shell/Texte.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace vsk {

namespace {

std::string SchreibFehlerText(const std::filesystem::path& ziel, int fehler) {
    std::string text = ErsetzeProzentS(
        vsk::text("DXF", "The file \"%s\" could not be written - Please check the writing "
                         "access on the data carrier."),
        ziel.string());
    if (fehler != 0) {
        text += " (";
        text += std::strerror(fehler);
        text += ")";
    }
    return text;
}

std::filesystem::path TemporaerName(const std::filesystem::path& ziel) {
    std::random_device zufall;
    std::string name = "." + ziel.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                       std::to_string(zufall());
    return ziel.parent_path() / name;
}

// Writes all bytes and syncs; errno of the failure, or 0.
int SchreibeAlles(int fd, const std::string& daten) {
    const char* p = daten.data();
    std::size_t rest = daten.size();
    while (rest > 0) {
        ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

void SchreibeBytesSicher(const std::filesystem::path& ziel, const std::string& daten) {
    if (ziel.filename().empty()) {
        throw DateiFehler(SchreibFehlerText(ziel, EISDIR));
    }
    std::filesystem::path temp = TemporaerName(ziel);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw DateiFehler(SchreibFehlerText(ziel, errno));
    }
    int fehler = SchreibeAlles(fd, daten);
    if (::close(fd) != 0 && fehler == 0) {
        fehler = errno;
    }
    if (fehler == 0 && std::rename(temp.c_str(), ziel.c_str()) != 0) {
        fehler = errno;
    }
    if (fehler != 0) {
        ::unlink(temp.c_str());
        throw DateiFehler(SchreibFehlerText(ziel, fehler));
    }
}

} // namespace

void SchreibeDateiSicher(const std::filesystem::path& ziel,
                         const std::function<bool(std::ostream&)>& schreiber) {
    // The drawings are small: build the content in memory, then write it in one go.
    std::ostringstream puffer;
    if (!schreiber(puffer)) {
        throw DateiFehler(SchreibFehlerText(ziel, 0));
    }
    SchreibeBytesSicher(ziel, puffer.str());
}

void KopiereDateiSicher(const std::filesystem::path& quelle, const std::filesystem::path& ziel) {
    std::ifstream ein(quelle, std::ios::binary);
    std::ostringstream daten;
    if (!ein.is_open() ||
        (ein.peek() != std::char_traits<char>::eof() && !(daten << ein.rdbuf()))) {
        throw DateiFehler(ErsetzeProzentS(vsk::text("DXF", "The file \"%s\" could not be read."),
                                          quelle.string()));
    }
    SchreibeBytesSicher(ziel, daten.str());
}

} // namespace vsk
