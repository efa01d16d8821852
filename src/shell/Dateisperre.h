#pragma once
// An exclusive lock on a file, held while the object lives. The system releases it when
// the process ends in any way (also killed), so a lock that nobody holds belongs to a run
// that is gone. Another open of the same file, also in the same process, does not get it.

#include <filesystem>

namespace vsk {

class Dateisperre {
public:
    // Takes the lock without waiting; the file is created when it is missing.
    explicit Dateisperre(const std::filesystem::path& datei);
    ~Dateisperre();
    Dateisperre(Dateisperre&& andere) noexcept;
    Dateisperre& operator=(Dateisperre&& andere) noexcept;
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;

    // False when another holds the lock or the file cannot be opened.
    bool Gehalten() const { return fd_ >= 0; }
    const std::filesystem::path& Datei() const { return datei_; }
    // Removes the file and gives the lock up.
    void Entferne();

private:
    void Freigeben();

    std::filesystem::path datei_;
    int fd_ = -1;
};

} // namespace vsk
