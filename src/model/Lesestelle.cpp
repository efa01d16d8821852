#include "model/Lesestelle.h"

#include "shell/Texte.h"

namespace vsk {

namespace {

std::string MitElementUndZeile(const std::string& muster, const Lesestelle& stelle) {
    return ErsetzeProzentS(ErsetzeProzentS(muster, stelle.element), std::to_string(stelle.zeile));
}

} // namespace

std::string LesestelleText(const Lesestelle& stelle) {
    switch (stelle.grund) {
    case Lesegrund::Datei:
        return text("Projektdatei", "The file cannot be read.");
    case Lesegrund::Xml:
        return ErsetzeProzentS(text("Projektdatei", "The file is not well-formed XML (line %s)."),
                               std::to_string(stelle.zeile));
    case Lesegrund::Kopf:
        return MitElementUndZeile(
            text("Projektdatei", "Element \"%s\" in line %s does not name this program."), stelle);
    case Lesegrund::Fehlt:
        return MitElementUndZeile(text("Projektdatei", "Element \"%s\" is missing (line %s)."),
                                  stelle);
    case Lesegrund::Ungueltig:
        return MitElementUndZeile(text("Projektdatei", "Element \"%s\" in line %s cannot be read."),
                                  stelle);
    case Lesegrund::Grenze:
        return MitElementUndZeile(
            text("Projektdatei",
                 "Element \"%s\" in line %s goes beyond what a project file can hold."),
            stelle);
    }
    return {};
}

} // namespace vsk
