#include "shell/Dateilesen.h"

#include "shell/Texte.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vsk {

namespace {

constexpr std::size_t kLeseBlock = 64 * 1024;

Dateilesergebnis Fehlschlag(Lesefehler art, int nummer = 0) {
    return {art, nummer, {}};
}

} // namespace

Dateilesergebnis LeseDateiBegrenzt(const std::filesystem::path& pfad, std::size_t maxBytes) {
    // Without O_NONBLOCK opening a FIFO waits for a writer; the type is checked on the
    // open file, so nothing can be swapped in between.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int nummer = errno;
        return nummer == ENOENT ? Fehlschlag(Lesefehler::Fehlt)
                                : Fehlschlag(Lesefehler::System, nummer);
    }
    struct stat info {};
    Dateilesergebnis e;
    if (::fstat(fd, &info) != 0) {
        e = Fehlschlag(Lesefehler::System, errno);
    } else if (!S_ISREG(info.st_mode)) {
        e = Fehlschlag(Lesefehler::KeineDatei);
    } else {
        // A regular file may grow while it is read or report no size (/proc): the bound
        // holds for what is read, not for the size it claims.
        std::string block(kLeseBlock, '\0');
        if (info.st_size > 0) {
            e.inhalt.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes));
        }
        for (;;) {
            const ssize_t n = ::read(fd, block.data(), block.size());
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                e = Fehlschlag(Lesefehler::System, errno);
                break;
            }
            if (n == 0) {
                break;
            }
            if (e.inhalt.size() + static_cast<std::size_t>(n) > maxBytes) {
                e = Fehlschlag(Lesefehler::ZuGross);
                break;
            }
            e.inhalt.append(block.data(), static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return e;
}

std::string Dateilesergebnis::Grund() const {
    switch (fehler) {
    case Lesefehler::Keiner:
        return {};
    case Lesefehler::Fehlt:
        return std::strerror(ENOENT);
    case Lesefehler::KeineDatei:
        return vsk::text("Dateischreiber", "not a regular file");
    case Lesefehler::ZuGross:
        return vsk::text("Dateischreiber", "the file is too large");
    case Lesefehler::System:
        break;
    }
    return std::strerror(fehlernummer);
}

} // namespace vsk
