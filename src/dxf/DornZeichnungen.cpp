#include "dxf/DornZeichnungen.h"

#include "dxf/DXF_Writer.h"
#include "dxf/DxfZeichenhilfe.h"
#include "katalog/Katalog.h"
#include "shell/Dateischreiber.h"
#include "shell/Plattform.h"
#include "shell/Texte.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace vsk {

namespace {

std::string Gross(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool EndetMit(const std::string& name, const std::string& endung) {
    return name.size() >= endung.size() &&
           Gross(name.substr(name.size() - endung.size())) == Gross(endung);
}

// Seen from above: anchor side toward +y, sleeve side toward -y of the joint face y = 0.
void Grundriss(DxfZeichenhilfe& z, const TKDornDaten& d) {
    z.DxfStab({-d.Anker2Laenge / 2, d.Anker2Abstand}, {d.Anker2Laenge / 2, d.Anker2Abstand},
              d.Anker2Durchm, StabEnde::Eckig, StabEnde::Eckig);
    z.DxfStab({-d.Anker1Laenge / 2, d.Anker1Abstand}, {d.Anker1Laenge / 2, d.Anker1Abstand},
              d.Anker1Durchm, StabEnde::Eckig, StabEnde::Eckig);
    const double platte = AnkerplatteDickeMm;
    const double rippe = RippeDickeMm / 2;
    z.DxfRechteck(d.PlatteBreite / 2, platte, -d.PlatteBreite / 2, 0);
    z.DxfRechteck(rippe, platte + d.RippeLaenge, -rippe, platte);
    z.DxfStab({0, -d.DornLaenge}, {0, d.DornLaenge}, d.DornDurchm, StabEnde::Eckig,
              StabEnde::Eckig);
    double huelse = std::max(d.HuelseBreite, d.HuelseHoehe);
    z.DxfRechteck(huelse / 2, 0, -huelse / 2, -d.DornLaenge);
}

// Along the dowels: the joint face is x = 0, the anchor side toward +x.
void Seite(DxfZeichenhilfe& z, const TKDornDaten& d) {
    z.DxfKreis({d.Anker2Abstand, 0}, d.Anker2Durchm / 2);
    z.DxfKreis({d.Anker1Abstand, 0}, d.Anker1Durchm / 2);
    const double platte = AnkerplatteDickeMm;
    z.DxfRechteck(platte, d.PlatteHoehe / 2, 0, -d.PlatteHoehe / 2);
    double rippe = (d.DornMittenAbstand - d.DornDurchm) / 2;
    z.DxfRechteck(platte + d.RippeLaenge, rippe, platte, -rippe);
    for (double y : {-d.DornMittenAbstand / 2, d.DornMittenAbstand / 2}) {
        z.DxfStab({-d.DornLaenge, y}, {d.DornLaenge, y}, d.DornDurchm, StabEnde::Eckig,
                  StabEnde::Eckig);
        z.DxfRechteck(0, y + d.HuelseHoehe / 2, -d.DornLaenge, y - d.HuelseHoehe / 2);
    }
}

// Onto the joint face: plate, cross bars behind it, sleeves and dowels.
void Stirn(DxfZeichenhilfe& z, const TKDornDaten& d) {
    z.DxfStab({-d.Anker2Laenge / 2, 0}, {d.Anker2Laenge / 2, 0}, d.Anker2Durchm, StabEnde::Eckig,
              StabEnde::Eckig);
    z.DxfStab({-d.Anker1Laenge / 2, 0}, {d.Anker1Laenge / 2, 0}, d.Anker1Durchm, StabEnde::Eckig,
              StabEnde::Eckig);
    z.DxfRechteck(d.PlatteBreite / 2, d.PlatteHoehe / 2, -d.PlatteBreite / 2, -d.PlatteHoehe / 2);
    for (double y : {-d.DornMittenAbstand / 2, d.DornMittenAbstand / 2}) {
        if (d.HuelseBreite > 0) {
            // Slotted sleeve: the bar can move along the joint.
            z.DxfRechteck(d.HuelseBreite / 2, y + d.HuelseHoehe / 2, -d.HuelseBreite / 2,
                          y - d.HuelseHoehe / 2);
        } else {
            z.DxfKreis({0, y}, d.HuelseHoehe / 2);
        }
        z.DxfKreis({0, y}, d.DornDurchm / 2);
    }
}

} // namespace

const char* DornTeil(DornAnsicht ansicht) {
    switch (ansicht) {
    case DornAnsicht::Grundriss:
        return " Plan View Block.";
    case DornAnsicht::Seite:
        return " Side View Block.";
    case DornAnsicht::Stirn:
        return " End View Block.";
    }
    return "";
}

void ZeichneDornBlock(DXF_Object& objekt, const TKDornDaten& dorn, DornAnsicht ansicht) {
    DxfZeichenhilfe z(GetLayer(objekt, "0"));
    switch (ansicht) {
    case DornAnsicht::Grundriss:
        Grundriss(z, dorn);
        break;
    case DornAnsicht::Seite:
        Seite(z, dorn);
        break;
    case DornAnsicht::Stirn:
        Stirn(z, dorn);
        break;
    }
}

void SchreibeDornZeichnungen(const std::filesystem::path& ordner) {
    std::error_code fehler;
    std::filesystem::create_directories(ordner, fehler);
    for (int typ = 0; typ < AnzDornTypen; ++typ) {
        TKDornDaten dorn(typ);
        for (DornAnsicht ansicht : AlleDornAnsichten) {
            DXF_Object objekt(DornName(typ));
            ZeichneDornBlock(objekt, dorn, ansicht);
            SaveToFile(objekt, ordner / (DornName(typ) + DornTeil(ansicht) + "dxf"));
        }
    }
}

std::string DornZielMitEndung(const std::string& name, int filter) {
    std::string endung = filter == 1 ? ".dwg" : ".dxf";
    return EndetMit(name, endung) ? name : name + endung;
}

namespace {

// The source of that name; on a case-sensitive file system also one that differs only in
// case, since the user may type the extension in capitals.
std::filesystem::path FindeQuelle(const std::filesystem::path& ordner, const std::string& name) {
    std::error_code fehler;
    std::filesystem::path genau = ordner / name;
    if (std::filesystem::is_regular_file(genau, fehler)) {
        return genau;
    }
    std::string gesucht = Gross(name);
    for (std::filesystem::directory_iterator it(ordner, fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        if (Gross(it->path().filename().string()) == gesucht &&
            std::filesystem::is_regular_file(it->path(), fehler)) {
            return it->path();
        }
    }
    return {};
}

} // namespace

bool DornZeichnungVorhanden(const std::filesystem::path& programmOrdner, int typ,
                            const std::string& endung) {
    const std::filesystem::path ordner = programmOrdner / CadOrdnerName;
    for (DornAnsicht ansicht : AlleDornAnsichten) {
        if (!FindeQuelle(ordner, DornName(typ) + DornTeil(ansicht) + endung).empty()) {
            return true;
        }
    }
    return false;
}

DornKopie KopiereDornZeichnungen(const std::filesystem::path& programmOrdner, int typ,
                                 const std::string& zielName) {
    DornKopie kopie;
    if (zielName.size() < 4) {
        kopie.fehler = text("DXF", "Cannot open file!");
        return kopie;
    }
    std::string endung = zielName.substr(zielName.size() - 3);
    std::string basis = zielName.substr(0, zielName.size() - 4);
    std::filesystem::path ordner = programmOrdner / CadOrdnerName;
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> kopien;
    for (DornAnsicht ansicht : AlleDornAnsichten) {
        std::string teil = DornTeil(ansicht);
        std::filesystem::path quelle = FindeQuelle(ordner, DornName(typ) + teil + endung);
        if (quelle.empty()) {
            kopie.fehlen.push_back(ordner / (DornName(typ) + teil + endung));
            continue;
        }
        kopien.emplace_back(quelle, basis + teil + endung);
    }
    // The views of a type belong together: all are written or none.
    try {
        KopiereDateienSicher(kopien);
        for (const auto& k : kopien) {
            kopie.kopiert.push_back(k.second);
        }
    } catch (const DateiFehler& f) {
        kopie.fehler = f.what();
    }
    return kopie;
}

bool KopiereDornZeichnungen(Plattform& plattform, const std::filesystem::path& programmOrdner,
                            int typ, const std::string& zielName) {
    DornKopie kopie = KopiereDornZeichnungen(programmOrdner, typ, zielName);
    if (!kopie.fehlen.empty()) {
        plattform.Meldung(text("DXF", "Cannot open file!"));
    }
    if (!kopie.fehler.empty()) {
        plattform.Fehler(kopie.fehler);
    }
    return kopie.fehlen.empty() && kopie.fehler.empty();
}

} // namespace vsk
