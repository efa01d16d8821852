#include "ifc/IfcExport.h"

#include "design/Anordnung.h"
#include "design/Bewehrungsgeometrie.h"
#include "ifc/IfcBewehrung.h"
#include "ifc/IfcGeometrie.h"
#include "ifc/IfcGuid.h"
#include "ifc/IfcVerbinder.h"
#include "ifc/StepSchreiber.h"
#include "katalog/Katalog.h"
#include "model/Modell.h"
#include "model/Texttabellen.h"
#include "shell/Dateischreiber.h"
#include "shell/Texte.h"
#include "shell/Utf8.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <set>

namespace vsk {

namespace {

using W = StepWert;

constexpr const char* kProgramm = "VSK " VSK_VERSION;
constexpr double kPositionsAbstandMm = 1000; // between two positions across the joint
constexpr std::size_t kKompositionsArt = 8;  // attribute of a spatial element

// A name typed by the user as an IfcLabel, which holds at most 255 characters.
std::string AlsLabel(const std::string& text) {
    constexpr std::size_t MaxLabelZeichen = 255;
    return ErsteZeichen(text, MaxLabelZeichen);
}

W Label(const std::string& text) {
    return W::Typisiert("IFCLABEL", W::Text(text));
}

W Refs(const std::vector<StepRef>& refs) {
    return W::Liste(std::vector<W>(refs.begin(), refs.end()));
}

class ModellBau {
public:
    ModellBau(StepSchreiber& s, const TKModell& modell, std::string kennung)
        : s_(s), g_(s), modell_(modell), kennung_(std::move(kennung)),
          edelstahl_(g_.Oberflaeche(0.55, 0.6, 0.66)),
          betonstahl_(g_.Oberflaeche(0.7, 0.33, 0.18)) {}

    void Alles(const std::vector<int>& positionen) {
        const StepRef projekt = Projekt();
        const Platziert site = Raum("IFCSITE", "site", ProjektText(), std::nullopt, 14);
        const Platziert gebaeude = Raum("IFCBUILDING", "building", ProjektText(), site.ort, 12);
        const Platziert geschoss =
            Raum("IFCBUILDINGSTOREY", "storey", text("IFC", "Default storey"), gebaeude.ort, 10);
        Teile(0, "site-of-project", projekt, {site.element});
        Teile(0, "building-of-site", site.element, {gebaeude.element});
        Teile(0, "storey-of-building", gebaeude.element, {geschoss.element});

        std::vector<StepRef> baugruppen;
        double y = 0;
        bool erste = true;
        std::set<int> geschrieben; // a position named twice would repeat its ids
        for (int nummer : positionen) {
            if (nummer < 1 || nummer > modell_.TAnzAnwendung() ||
                !geschrieben.insert(nummer).second) {
                continue;
            }
            const TKAnwendung& position = modell_.Anwendung(nummer);
            const BewehrungsAngaben a = BewehrungsAngabenVon(position);
            y += erste ? 0 : kPositionsAbstandMm + a.Dorn.DornLaenge;
            erste = false;
            baugruppen.push_back(
                Position(nummer, position, a, g_.Platzierung(geschoss.ort, {0, y, 0})));
            y += Tiefe(a);
        }
        if (!baugruppen.empty()) {
            s_.Instanz("IFCRELCONTAINEDINSPATIALSTRUCTURE",
                       {Guid(0, "contents-of-storey"), W::Leer(), W::Leer(), W::Leer(),
                        Refs(baugruppen), geschoss.element});
        }
    }

private:
    W Guid(int position, const std::string& element) const {
        return W::Text(IfcGuid(kennung_, position, element));
    }

    std::string ProjektText() const {
        const std::string& text = modell_.Projektbeschreibung.TBauvorhaben;
        return text.empty() ? kennung_ : AlsLabel(text);
    }

    StepRef Projekt() {
        const StepRef mm =
            s_.Instanz("IFCSIUNIT", {W::Abgeleitet(), W::Aufzaehlung("LENGTHUNIT"),
                                     W::Aufzaehlung("MILLI"), W::Aufzaehlung("METRE")});
        const StepRef kN =
            s_.Instanz("IFCSIUNIT", {W::Abgeleitet(), W::Aufzaehlung("FORCEUNIT"),
                                     W::Aufzaehlung("KILO"), W::Aufzaehlung("NEWTON")});
        const StepRef rad =
            s_.Instanz("IFCSIUNIT", {W::Abgeleitet(), W::Aufzaehlung("PLANEANGLEUNIT"), W::Leer(),
                                     W::Aufzaehlung("RADIAN")});
        const StepRef einheiten = s_.Instanz("IFCUNITASSIGNMENT", {Refs({mm, kN, rad})});
        // The company is the file's organisation (header), not a name of the project.
        return s_.Instanz("IFCPROJECT",
                          {Guid(0, "project"), W::Leer(), W::Text(ProjektText()), W::Leer(),
                           W::Leer(), W::Leer(), W::Leer(), Refs({g_.Modellkontext()}), einheiten});
    }

    struct Platziert {
        StepRef element;
        StepRef ort;
    };

    // A spatial element of the given number of attributes, placed where its parent is;
    // the attributes after its placement are not set, but for its CompositionType.
    Platziert Raum(const char* typ, const char* schluessel, const std::string& name,
                   std::optional<StepRef> relativZu, int attribute) {
        const StepRef ort = g_.Platzierung(relativZu, {});
        std::vector<W> werte{Guid(0, schluessel), W::Leer(), W::Text(name),
                             W::Leer(),           W::Leer(), ort};
        werte.resize(static_cast<std::size_t>(attribute), W::Leer());
        werte[kKompositionsArt] = W::Aufzaehlung("ELEMENT");
        return {s_.Instanz(typ, werte), ort};
    }

    void Teile(int position, const std::string& schluessel, StepRef ganzes,
               const std::vector<StepRef>& teile) {
        s_.Instanz("IFCRELAGGREGATES", {Guid(position, schluessel), W::Leer(), W::Leer(), W::Leer(),
                                        ganzes, Refs(teile)});
    }

    // How far the position reaches into the member beyond the joint face.
    static double Tiefe(const BewehrungsAngaben& a) {
        const TKDornDaten& d = a.Dorn;
        return std::max({d.DornLaenge, UBuegelFormVon(a).yEnde + d.DurchmD,
                         ListenSumme(d.AbstandB, d.AnzB) + d.DurchmB});
    }

    StepRef Position(int nummer, const TKAnwendung& position, const BewehrungsAngaben& a,
                     StepRef ort) {
        const TKErgebnisse& ergs = position.cErgebnisse;
        const int typ = KlemmeDornTyp(ergs.TAktDorn);
        const TKTexttabellen& t = Texttabellen();
        const std::string name =
            position.TPosition.empty() ? std::to_string(nummer) : AlsLabel(position.TPosition);
        const StepRef baugruppe =
            s_.Instanz("IFCELEMENTASSEMBLY",
                       {Guid(nummer, "assembly"), W::Leer(), W::Text(name),
                        W::Text(Tabellentext(t.AnwendungsfallLang, position.TAnwendungsfall)),
                        W::Text(Tabellentext(t.AnwendungsfallKurz, position.TAnwendungsfall)), ort,
                        W::Leer(), W::Text(std::to_string(nummer)), W::Aufzaehlung("SITE"),
                        W::Aufzaehlung("USERDEFINED")});

        std::vector<StepRef> verbinder;
        std::vector<StepRef> teile;
        const std::vector<Bewehrungsstab> staebe = Bewehrungsstaebe(a);
        const double zAchse = a.h / 2;
        const std::vector<double> orte = DornOrte(ergs, typ);
        for (std::size_t k = 0; k < orte.size(); ++k) {
            const std::string nr = std::to_string(k + 1);
            const Point3D achse{orte[k], 0, zAchse};
            verbinder.push_back(Verbinder(nummer, nr, ort, achse, a));
            teile.push_back(verbinder.back());
            int nB = 0;
            int nD = 0;
            for (const Bewehrungsstab& stab : staebe) {
                const bool b = stab.position == StabPosition::B;
                const std::string marke = (b ? "B" : "D") + std::to_string(b ? ++nB : ++nD);
                teile.push_back(Stab(nummer, nr + "/" + marke, ort, achse, stab, position));
            }
        }
        if (!teile.empty()) {
            Teile(nummer, "parts-of-assembly", baugruppe, teile);
        }

        std::vector<StepRef> traeger = verbinder;
        traeger.insert(traeger.begin(), baugruppe);
        const StepRef pset = Bemessungswerte(nummer, position, typ);
        s_.Instanz("IFCRELDEFINESBYPROPERTIES",
                   {Guid(nummer, "design-values-of-elements"), W::Leer(), W::Leer(), W::Leer(),
                    Refs(traeger), pset});
        return baugruppe;
    }

    StepRef Verbinder(int nummer, const std::string& nr, StepRef ort, const Point3D& achse,
                      const BewehrungsAngaben& a) {
        const StepRef platz = g_.Platzierung(ort, achse);
        const std::vector<StepRef> koerper = VerbinderKoerper(g_, a.Dorn);
        g_.Einfaerben(koerper, edelstahl_);
        const StepRef form = g_.Koerper("SweptSolid", koerper);
        return s_.Instanz("IFCMECHANICALFASTENER",
                          {Guid(nummer, "connector/" + nr), W::Leer(), W::Text(a.Bezeichnung),
                           W::Leer(), W::Text(a.Bezeichnung), platz, form, W::Text(nr),
                           W::Real(a.Dorn.DornDurchm), W::Real(2 * a.Dorn.DornLaenge),
                           W::Aufzaehlung("USERDEFINED")});
    }

    StepRef Stab(int nummer, const std::string& marke, StepRef ort, const Point3D& achse,
                 const Bewehrungsstab& stab, const TKAnwendung& position) {
        const bool b = stab.position == StabPosition::B;
        const StepRef platz = g_.Platzierung(ort, achse);
        const StepRef koerper = g_.Scheibenkoerper(stab.linie, stab.durchmesser);
        g_.Einfaerben({koerper}, betonstahl_);
        const StepRef form = g_.Koerper("AdvancedSweptSolid", {koerper});
        const std::string name = b ? text("IFC", "Position B") : text("IFC", "Position D");
        const std::string guete = ErsetzeProzentS(text("IFC", "%s N/mm²"),
                                                  FormatAllgemein(Stahl(position.TStahlguete).fyk));
        // Position B runs along the joint's edge; the U-bars of position D are the main
        // reinforcement of the connector.
        return s_.Instanz("IFCREINFORCINGBAR",
                          {Guid(nummer, "bar/" + marke), W::Leer(), W::Text(name), W::Leer(),
                           W::Leer(), platz, form, W::Text(marke), W::Text(guete),
                           W::Real(stab.durchmesser), W::Leer(), W::Real(stab.laenge),
                           W::Aufzaehlung(b ? "EDGE" : "MAIN"), W::Aufzaehlung("RIBBED")});
    }

    StepRef Bemessungswerte(int nummer, const TKAnwendung& position, int typ) {
        const TKErgebnisse& ergs = position.cErgebnisse;
        const TKDornErgebnis& e = ergs.DornErgebnis(typ);
        const TKTexttabellen& t = Texttabellen();
        const TKGeometrie& geo = position.cGeometrie;
        const std::vector<std::pair<const char*, W>> werte = {
            {"Type", Label(DornName(typ))},
            {"NumberOfConnectors", W::Typisiert("IFCCOUNTMEASURE", W::Ganz(ergs.TAnzDorn(typ)))},
            {"F_Sd", W::Typisiert("IFCFORCEMEASURE", W::Real(e.TFSdIst))},
            {"F_Rd", W::Typisiert("IFCFORCEMEASURE", W::Real(e.TFRd()))},
            {"Usage", W::Typisiert("IFCRATIOMEASURE", W::Real(e.TEtaQ))},
            {"Status", W::Typisiert("IFCTEXT", W::Text(Tabellentext(t.StatusLang, e.TStatus)))},
            {"ConcreteGrade", Label(Tabellentext(t.Betongueten, position.TBetonguete))},
            {"SlabThickness", W::Typisiert("IFCLENGTHMEASURE", W::Real(geo.TPlatteDicke))},
            {"JointWidth",
             W::Typisiert("IFCLENGTHMEASURE", W::Real(FugenbreiteMm(geo.TFugenbreite)))},
            {"ProgramVersion", Label(kProgramm)},
        };
        std::vector<StepRef> eigenschaften;
        for (const auto& [name, wert] : werte) {
            eigenschaften.push_back(
                s_.Instanz("IFCPROPERTYSINGLEVALUE", {W::Text(name), W::Leer(), wert, W::Leer()}));
        }
        return s_.Instanz("IFCPROPERTYSET",
                          {Guid(nummer, "design-values"), W::Leer(), W::Text("Pset_VSK_Design"),
                           W::Leer(), Refs(eigenschaften)});
    }

    StepSchreiber& s_;
    IfcGeometrie g_;
    const TKModell& modell_;
    std::string kennung_;
    StepRef edelstahl_;  // the connectors
    StepRef betonstahl_; // the reinforcement
};

} // namespace

std::vector<int> BerechnetePositionen(const TKModell& modell) {
    std::vector<int> nummern;
    for (int k = 1; k <= modell.TAnzAnwendung(); ++k) {
        if (modell.Anwendung(k).cErgebnisse.TBerechnet != 0) {
            nummern.push_back(k);
        }
    }
    return nummern;
}

bool SchreibeIfc(std::ostream& aus, const TKModell& modell, const std::vector<int>& positionen,
                 const IfcExportAngaben& angaben) {
    StepKopf kopf;
    kopf.beschreibung = {"ViewDefinition [ReferenceView_V1.2]"};
    kopf.implementierung = "2;1";
    kopf.name = angaben.dateiName;
    kopf.zeitstempel = angaben.zeitstempel;
    kopf.autor = modell.Projektbeschreibung.TBearbeiter;
    const std::vector<std::string>& firma = modell.Projektbeschreibung.TFirma;
    kopf.organisation = firma.empty() ? std::string() : firma.front();
    kopf.praeprozessor = kProgramm;
    kopf.ursprungssystem = kProgramm;
    kopf.schema = "IFC4";
    StepSchreiber s(aus, kopf);
    const std::string kennung =
        angaben.projektName.empty() ? modell.Projektbeschreibung.TBauvorhaben : angaben.projektName;
    ModellBau(s, modell, kennung).Alles(positionen);
    return s.Abschliessen();
}

void SchreibeIfcDatei(const std::filesystem::path& ziel, const TKModell& modell,
                      const std::vector<int>& positionen, IfcExportAngaben angaben) {
    if (angaben.dateiName.empty()) {
        angaben.dateiName = ziel.filename().string();
    }
    SchreibeDateiSicher(
        ziel, [&](std::ostream& aus) { return SchreibeIfc(aus, modell, positionen, angaben); });
}

} // namespace vsk
