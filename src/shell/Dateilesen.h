#pragma once
// Reading a whole file that may be anything: only a regular file is read, and only up to
// a bound. A FIFO would block the program, a device such as /dev/zero never ends, and a
// huge file would fill the memory; each of them is refused before or while reading.

#include <cstddef>
#include <filesystem>
#include <string>

namespace vsk {

enum class Lesefehler {
    Keiner,
    Fehlt,      // there is no file of that name
    KeineDatei, // a folder, FIFO, device or socket has the name
    ZuGross,    // more bytes than the bound
    System,     // the system refused (permission, I/O error): see errno
};

struct Dateilesung {
    Lesefehler fehler = Lesefehler::Keiner;
    int fehlernummer = 0; // errno of a System failure
    std::string inhalt;

    explicit operator bool() const { return fehler == Lesefehler::Keiner; }
};

Dateilesung LeseDateiBegrenzt(const std::filesystem::path& pfad, std::size_t maxBytes);

} // namespace vsk
