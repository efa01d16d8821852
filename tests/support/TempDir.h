#pragma once
// A fresh directory below the system's temporary directory, removed with its contents
// when the object goes out of scope.

#include <filesystem>
#include <random>
#include <string>

namespace vsk::test {

class TempDir {
public:
    TempDir() {
        std::random_device zufall;
        pfad_ = std::filesystem::temp_directory_path() /
                ("vsk-test-" + std::to_string(zufall()) + std::to_string(zufall()));
        std::filesystem::create_directories(pfad_);
    }
    ~TempDir() {
        std::error_code ignoriert;
        std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignoriert);
        std::filesystem::remove_all(pfad_, ignoriert);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& pfad() const { return pfad_; }
    std::filesystem::path operator/(const std::string& name) const { return pfad_ / name; }

private:
    std::filesystem::path pfad_;
};

} // namespace vsk::test
