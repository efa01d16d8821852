#pragma once
// The option parser of the vsk-cli commands: a command lists its options, then reads its
// arguments. The first word that does not start with "-" is the project file; any other
// word is a usage error.

#include "cli/Befehle.h"

#include <functional>
#include <string>
#include <vector>

namespace vsk::cli {

class Optionsleser {
public:
    // A switch without a value ("--json").
    void Schalter(const std::string& name, bool& an);
    // An option with a value under one or more names ("-o", "--output"). nimm takes the
    // value and returns false when it is bad; a bad or missing value is the usage error
    // fehler.
    void Wert(std::vector<std::string> namen, std::function<bool(const std::string&)> nimm,
              std::string fehler);
    // An option whose value is any text but the empty one.
    void Text(std::vector<std::string> namen, std::string& ziel, std::string fehler);
    // An output file: a name without an extension gets ".endung". Naming the input file is
    // a usage error, unless the output is the input renewed (ersetztDatei).
    void Ausgabe(std::vector<std::string> namen, std::string& ziel, std::string fehler,
                 std::string endung, bool ersetztDatei = false);
    // The project file; fehlt is the usage error when there is none. With standardeingabe
    // "-" names standard input.
    void Datei(std::string& ziel, std::string fehlt, bool standardeingabe = false);

    // The first usage error of the arguments; empty when every argument was taken.
    std::string Lies(const Argumente& argumente) const;

private:
    struct Option {
        std::vector<std::string> namen;
        bool* schalter = nullptr; // a switch, else an option with a value
        std::function<bool(const std::string&)> nimm;
        std::string fehler;
    };
    const Option* Finde(const std::string& name) const;

    std::vector<Option> optionen_;
    std::vector<const std::string*> ausgaben_; // those that must not be the input file
    std::string* datei_ = nullptr;
    std::string dateiFehlt_;
    bool standardeingabe_ = false;
};

} // namespace vsk::cli
