#include "shell/Dateisperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vsk {

Dateisperre::Dateisperre(const std::filesystem::path& datei) : datei_(datei) {
    const int fd = ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

Dateisperre::~Dateisperre() {
    Freigeben();
}

Dateisperre::Dateisperre(Dateisperre&& andere) noexcept
    : datei_(std::move(andere.datei_)), fd_(andere.fd_) {
    andere.fd_ = -1;
}

Dateisperre& Dateisperre::operator=(Dateisperre&& andere) noexcept {
    if (this != &andere) {
        Freigeben();
        datei_ = std::move(andere.datei_);
        fd_ = andere.fd_;
        andere.fd_ = -1;
    }
    return *this;
}

void Dateisperre::Freigeben() {
    if (fd_ >= 0) {
        ::close(fd_); // gives the lock up
        fd_ = -1;
    }
}

void Dateisperre::Entferne() {
    if (fd_ >= 0) {
        // Removed while still held: nobody can take the lock of a file about to vanish.
        std::error_code fehler;
        std::filesystem::remove(datei_, fehler);
    }
    Freigeben();
}

} // namespace vsk
