#pragma once
// Path helpers shared by the launcher, the language modules and the start program.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vsk {

// The path with exactly one trailing directory separator: unchanged when it already ends in
// one ("/"; on Windows also "\"), otherwise followed by the platform's separator. An empty
// path stays empty, so that appending a file name still means "in the current directory".
std::string MitBackslash(const std::string& pfad);

// ASCII comparison without regard to case (file names written on Windows CDs).
bool GleichOhneGrossKlein(std::string_view a, std::string_view b);

// The entry called name in verzeichnis: the exact name when it exists, otherwise the
// first entry whose name differs only in case. nullopt when there is none or the
// directory cannot be read.
std::optional<std::filesystem::path> FindeOhneGrossKlein(const std::filesystem::path& verzeichnis,
                                                         const std::string& name);

// Follows a relative path below basis component by component, each matched without
// regard to case. nullopt when a component is missing.
std::optional<std::filesystem::path> FindePfadOhneGrossKlein(const std::filesystem::path& basis,
                                                             const std::filesystem::path& relativ);

// Mount point of the file system that holds the given file or directory (the directory
// closest to the root on the same device). Empty when the path cannot be examined.
std::filesystem::path Einhaengepunkt(const std::filesystem::path& pfad);

} // namespace vsk
