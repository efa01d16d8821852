#pragma once
// Listing the positions of a project file without opening it (project administration).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vsk {

class Plattform;
struct GepruefteDatei;

class TKExplorer {
public:
    // One row per position: program (the root element's name), building project,
    // position, application case, joint length in cm, date.
    using Zeile = std::vector<std::string>;

    // Appends the rows of the file to those of earlier calls and returns all of them.
    // Shows the messages of an invalid or old file; any later error ends the listing
    // silently, keeping the rows built so far.
    const std::vector<Zeile>& ReadProjektFile(const std::filesystem::path& pfad,
                                              Plattform& plattform);
    // The same for a file's content already in memory.
    const std::vector<Zeile>& ReadProjektText(std::string_view inhalt, Plattform& plattform);
    const std::vector<Zeile>& Zeilen() const { return zeilen_; }

private:
    void Liste(const GepruefteDatei& datei, char trenner);

    std::vector<Zeile> zeilen_;
};

} // namespace vsk
