// vsk-cli ifc end to end: the exported models of the examples and of the design test data
// read with a real IFC reader (web-ifc), and compared with what `vsk-cli design --json`
// says of the same positions.
//
// Usage: node pruefe_ifc.js VSK_CLI TEST_DATA EXAMPLES OUT_DIR
"use strict";

const assert = require("assert");
const { execFileSync, spawnSync } = require("child_process");
const fs = require("fs");
const path = require("path");
const WebIFC = require("web-ifc");
const { ZeichnePng } = require("./ifc_bild");

const [CLI, DATEN, BEISPIELE, AUS] = process.argv.slice(2);
const MM = 0.1; // positions to 0.1 mm
const UMGEBUNG = { ...process.env, LC_ALL: "C", LANG: "C", QT_QPA_PLATFORM: "offscreen" };
const BETONGUETEN = ["C16/20", "C20/25", "C25/30", "C30/37"];
const STATUS = [
    "Calculation ok", "Concrete thickness too small", "Load too great",
    "Connector spacing is below minimum value", "Connector edge distance is below minimum value",
    "Spacing too small to suit vertical reinforcement", "Joint width out of range for this dowel",
    "Connector spacing for standard reinforcement too small for approval",
    "Edge spacing according to standard reinforcement too small for approval",
    "The wall thickness is smaller than required for the selected connector",
];

function cli(...argumente) {
    return spawnSync(CLI, argumente, { env: UMGEBUNG, encoding: "utf8", timeout: 120000 });
}

// The inputs the design JSON does not list, read from the project file: per position its
// concrete grade and its own geometry (the first of each after the position's name).
function Eingaben(datei) {
    const text = fs.readFileSync(datei, "latin1");
    return text.split("<TPosition>").slice(1).map((teil) => {
        const wert = (name) => Number(teil.match(new RegExp(`<${name}>([^<]*)<`))[1].replace(",", "."));
        return { beton: wert("TBetonguete"), h: wert("TPlatteDicke"), fuge: 10 * wert("TFugenbreite") };
    });
}

// A line's attribute value (web-ifc wraps values as {type, value}).
const W = (a) => (a && typeof a === "object" && "value" in a ? a.value : a);

class Modell {
    constructor(api, datei) {
        this.api = api;
        this.id = api.OpenModel(new Uint8Array(fs.readFileSync(datei)));
    }
    ids(typ) {
        const v = this.api.GetLineIDsWithType(this.id, typ);
        return Array.from({ length: v.size() }, (_, i) => v.get(i));
    }
    zeile(id) {
        return this.api.GetLine(this.id, id);
    }
    ort(platzierung) {
        const achsen = this.zeile(W(this.zeile(W(platzierung)).RelativePlacement));
        return this.zeile(W(achsen.Location)).Coordinates.map(W);
    }
    // Every product's triangles in the model's own coordinates (mm, z up).
    dreiecke() {
        const proProdukt = new Map();
        this.api.StreamAllMeshes(this.id, (netz) => {
            const liste = proProdukt.get(netz.expressID) || [];
            for (let g = 0; g < netz.geometries.size(); g++) {
                const teil = netz.geometries.get(g);
                const geo = this.api.GetGeometry(this.id, teil.geometryExpressID);
                const v = this.api.GetVertexArray(geo.GetVertexData(), geo.GetVertexDataSize());
                const ix = this.api.GetIndexArray(geo.GetIndexData(), geo.GetIndexDataSize());
                const m = teil.flatTransformation;
                const punkt = (k) => {
                    const [x, y, z] = [v[6 * k], v[6 * k + 1], v[6 * k + 2]];
                    // web-ifc turns the model y-up and into metres: back to z-up mm.
                    const p = [0, 1, 2].map((r) => m[r] * x + m[4 + r] * y + m[8 + r] * z + m[12 + r]);
                    return [p[0] * 1000, -p[2] * 1000, p[1] * 1000];
                };
                for (let i = 0; i < ix.length; i += 3) {
                    liste.push({ a: punkt(ix[i]), b: punkt(ix[i + 1]), c: punkt(ix[i + 2]),
                                 farbe: [teil.color.x, teil.color.y, teil.color.z].map((c) => c * 255) });
                }
                geo.delete();
            }
            proProdukt.set(netz.expressID, liste);
        });
        return proProdukt;
    }
    // The set of each element: Pset_VSK_Design by element id, as name -> value.
    bemessungswerte() {
        const werte = new Map();
        for (const r of this.ids(WebIFC.IFCRELDEFINESBYPROPERTIES)) {
            const rel = this.zeile(r);
            const pset = this.zeile(W(rel.RelatingPropertyDefinition));
            if (W(pset.Name) !== "Pset_VSK_Design") continue;
            const satz = {};
            for (const p of pset.HasProperties) {
                const e = this.zeile(W(p));
                satz[W(e.Name)] = W(e.NominalValue);
            }
            for (const o of rel.RelatedObjects) werte.set(W(o), satz);
        }
        return werte;
    }
    teile(ganzes) {
        for (const r of this.ids(WebIFC.IFCRELAGGREGATES)) {
            const rel = this.zeile(r);
            if (W(rel.RelatingObject) === ganzes) return rel.RelatedObjects.map(W);
        }
        return [];
    }
}

function Huelle(dreiecke) {
    const min = [Infinity, Infinity, Infinity], max = [-Infinity, -Infinity, -Infinity];
    for (const d of dreiecke) {
        for (const p of [d.a, d.b, d.c]) {
            for (let k = 0; k < 3; k++) {
                min[k] = Math.min(min[k], p[k]);
                max[k] = Math.max(max[k], p[k]);
            }
        }
    }
    return { min, max };
}

function nahe(a, b, toleranz, was) {
    assert.ok(Math.abs(a - b) <= toleranz, `${was}: ${a} != ${b}`);
}

// One position of the model against its design results.
function PruefePosition(m, baugruppe, p, eingabe, werteVon, netze) {
    const typ = p.types[p.TAktDorn];
    const wo = `position ${p.number}`;
    const teile = m.teile(baugruppe).map((id) => ({ id, zeile: m.zeile(id) }));
    const verbinder = teile.filter((t) => t.zeile.type === WebIFC.IFCMECHANICALFASTENER);
    const staebe = teile.filter((t) => t.zeile.type === WebIFC.IFCREINFORCINGBAR);
    assert.strictEqual(verbinder.length, typ.TAnzDorn, `${wo}: connectors`);

    // Along the joint: the left edge distance, then the spacings.
    let x = 0;
    verbinder.forEach((v, k) => {
        x += typ.TDornAbstand[k];
        nahe(m.ort(v.zeile.ObjectPlacement)[0], x, MM, `${wo}, connector ${k + 1}`);
        assert.strictEqual(W(v.zeile.Name), typ.name);
        assert.strictEqual(W(v.zeile.PredefinedType), "USERDEFINED");
    });
    for (let k = 1; k <= verbinder.length; k++) {
        const eigene = staebe.filter((s) => W(s.zeile.Tag).startsWith(`${k}/`));
        assert.strictEqual(eigene.length, 2 * typ.AnzB + typ.AnzD, `${wo}, bars of connector ${k}`);
    }

    // Every element has a body inside the joint's extent: along the joint, within the
    // slab, and across it as far as the dowels and the reinforcement reach.
    const ursprung = m.ort(m.zeile(baugruppe).ObjectPlacement);
    const laenge = typ.TDornAbstand.reduce((s, a) => s + a, 0);
    const lD = W(verbinder[0].zeile.NominalLength) / 2;
    const dMax = Math.max(...staebe.map((s) => W(s.zeile.NominalDiameter)));
    const tiefe = Math.max(lD, typ.AbstandB[0] + typ.Tbx, typ.AbstandB.reduce((s, a) => s + a, 0)) + dMax;
    const grenzen = { min: [0, -lD, 0], max: [laenge, tiefe, eingabe.h] };
    for (const t of [...verbinder, ...staebe]) {
        const dreiecke = netze.get(t.id) || [];
        assert.ok(dreiecke.length > 0, `${wo}: element ${t.id} has no geometry`);
        const h = Huelle(dreiecke);
        for (let k = 0; k < 3; k++) {
            const a = h.min[k] - ursprung[k], b = h.max[k] - ursprung[k];
            assert.ok(b - a > 0, `${wo}: element ${t.id} is flat along axis ${k}`);
            assert.ok(a >= grenzen.min[k] - MM && b <= grenzen.max[k] + MM,
                      `${wo}: element ${t.id} (${W(t.zeile.Tag)}) reaches ${a}..${b} on axis ${k}, ` +
                      `outside ${grenzen.min[k]}..${grenzen.max[k]}`);
        }
    }

    for (const id of [baugruppe, ...verbinder.map((v) => v.id)]) {
        const w = werteVon.get(id);
        assert.ok(w, `${wo}: element ${id} without Pset_VSK_Design`);
        assert.strictEqual(w.Type, typ.name);
        assert.strictEqual(w.NumberOfConnectors, typ.TAnzDorn);
        nahe(w.F_Sd, typ.TFSdIst, 1e-9 * Math.max(1, Math.abs(typ.TFSdIst)), `${wo}: F_Sd`);
        nahe(w.F_Rd, typ.TFRd, 1e-9 * Math.max(1, Math.abs(typ.TFRd)), `${wo}: F_Rd`);
        nahe(w.Usage, typ.TEtaQ, 1e-9 * Math.max(1, Math.abs(typ.TEtaQ)), `${wo}: usage`);
        assert.strictEqual(w.Status, STATUS[typ.TStatus]);
        assert.strictEqual(w.ConcreteGrade, BETONGUETEN[eingabe.beton]);
        nahe(w.SlabThickness, eingabe.h, 1e-9, `${wo}: slab thickness`);
        nahe(w.JointWidth, eingabe.fuge, 1e-9, `${wo}: joint width`);
    }
}

function GlobalIds(m) {
    const ids = new Set();
    for (const typ of [WebIFC.IFCMECHANICALFASTENER, WebIFC.IFCREINFORCINGBAR, WebIFC.IFCELEMENTASSEMBLY]) {
        for (const id of m.ids(typ)) ids.add(W(m.zeile(id).GlobalId));
    }
    return ids;
}

async function main() {
    fs.mkdirSync(AUS, { recursive: true });
    const api = new WebIFC.IfcAPI();
    await api.Init();
    const projekte = [
        ...fs.readdirSync(BEISPIELE).filter((f) => f.endsWith(".VSK")).map((f) => path.join(BEISPIELE, f)),
        ...fs.readdirSync(path.join(DATEN, "design")).filter((f) => f.endsWith(".VSK"))
            .map((f) => path.join(DATEN, "design", f)),
    ];
    let positionen = 0;
    for (const datei of projekte) {
        const name = path.basename(datei, ".VSK");
        const entwurf = JSON.parse(execFileSync(CLI, ["design", datei, "--json"], { env: UMGEBUNG }));
        const berechnet = entwurf.positions.filter((p) => p.calculated);
        const ziel = path.join(AUS, `${name}.ifc`);
        const lauf = cli("ifc", datei, "--all", "-o", ziel);
        if (berechnet.length === 0) {
            assert.strictEqual(lauf.status, 1, `${name}: nothing to export must fail`);
            continue;
        }
        assert.strictEqual(lauf.status, 0, `${name}: ${lauf.stderr}`);

        const m = new Modell(api, ziel);
        const eingaben = Eingaben(datei);
        const netze = m.dreiecke();
        const werteVon = m.bemessungswerte();
        const baugruppen = m.ids(WebIFC.IFCELEMENTASSEMBLY);
        assert.strictEqual(baugruppen.length, berechnet.length, `${name}: assemblies`);
        for (const b of baugruppen) {
            const p = berechnet.find((q) => String(q.number) === W(m.zeile(b).Tag));
            assert.ok(p, `${name}: assembly ${W(m.zeile(b).Tag)} is no calculated position`);
            PruefePosition(m, b, p, eingaben[p.number - 1], werteVon, netze);
            positionen++;
        }

        // A second export, and one of a single position, keep every element's id.
        const ids = GlobalIds(m);
        const nochmal = path.join(AUS, `${name}.2.ifc`);
        assert.strictEqual(cli("ifc", datei, "--all", "-o", nochmal).status, 0);
        assert.deepStrictEqual(GlobalIds(new Modell(api, nochmal)), ids, `${name}: ids changed`);
        const eine = path.join(AUS, `${name}.1.ifc`);
        assert.strictEqual(cli("ifc", datei, "--position", String(berechnet[0].number), "-o", eine).status, 0);
        for (const id of GlobalIds(new Modell(api, eine))) assert.ok(ids.has(id), `${name}: id ${id} is new`);

        if (name === "row") {
            // The first three connectors of the row with their reinforcement.
            const nahe = m.teile(baugruppen[0]).filter((id) => /^[123](\/|$)/.test(W(m.zeile(id).Tag)));
            ZeichnePng([].concat(...nahe.map((id) => netze.get(id) || [])), path.join(AUS, "row.png"));
        }
    }
    assert.ok(positionen > 0);
    console.log(`${positionen} positions checked, 0 failed`);
}

main().catch((e) => {
    console.error(e.message || e);
    process.exit(1);
});
