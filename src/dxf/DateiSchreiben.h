#pragma once
// Safe file output of the drawing exports: the content goes to a temporary file beside
// the target, which is synced and renamed over the target only when everything was
// written. A failure leaves the target as it was and no temporary file behind.

#include <filesystem>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace vsk {

// A file could not be read or written; what() is the message for the user.
class DateiFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The content is produced by schreiber (false: it failed); throws DateiFehler.
void SchreibeDateiSicher(const std::filesystem::path& ziel,
                         const std::function<bool(std::ostream&)>& schreiber);

// Byte-for-byte copy; throws DateiFehler when the source cannot be read or the target
// cannot be written.
void KopiereDateiSicher(const std::filesystem::path& quelle, const std::filesystem::path& ziel);

} // namespace vsk
