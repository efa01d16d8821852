#pragma once
// Whole files as byte strings, for tests that prepare and check files.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vsk::test {

inline std::string Lies(const std::filesystem::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

// Writes the file in place (creating its folder), as another program would.
inline void Lege(const std::filesystem::path& p, const std::string& inhalt) {
    if (p.has_parent_path()) {
        std::filesystem::create_directories(p.parent_path());
    }
    std::ofstream(p, std::ios::binary) << inhalt;
}

} // namespace vsk::test
