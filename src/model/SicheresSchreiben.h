#pragma once
// Replacing a file without ever damaging it: the new content goes to a temporary file in
// the target's directory, is flushed to the disk, and only then renamed over the target.
// When anything fails the temporary file is removed and the old file stays byte for byte.

#include <filesystem>
#include <string_view>

namespace vsk {

// True when the whole content reached the disk under the target's name. A target that
// exists but may not be written (a read-only file) is refused, as is a directory. A
// symbolic link is followed: the file it points to is replaced, the link stays.
bool SchreibeDateiSicher(const std::filesystem::path& ziel, std::string_view inhalt);

} // namespace vsk
