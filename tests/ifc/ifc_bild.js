// Renders the triangles of an IFC model (as web-ifc tessellates them) to a PNG picture:
// an axonometric view from the front left above, flat shading, a depth buffer, and 2x2
// supersampling for smooth edges. Needs nothing but Node itself.
"use strict";

const fs = require("fs");
const zlib = require("zlib");

const LICHT = normiert([-0.3, -0.6, 1]);

function normiert(v) {
    const l = Math.hypot(v[0], v[1], v[2]) || 1;
    return [v[0] / l, v[1] / l, v[2] / l];
}

function kreuz(u, v) {
    return [u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]];
}

function skalar(u, v) {
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}

// Model coordinates (z up) to the view of a camera in the direction zurKamera: right, up,
// and nearness (larger is nearer).
function Ansicht(zurKamera) {
    const d = normiert(zurKamera);
    const rechts = normiert(kreuz([-d[0], -d[1], -d[2]], [0, 0, 1]));
    const oben = kreuz(rechts, [-d[0], -d[1], -d[2]]);
    return { punkt: (p) => [skalar(p, rechts), skalar(p, oben), skalar(p, d)], d };
}

function crc32(daten) {
    let c = ~0;
    for (const b of daten) {
        c ^= b;
        for (let k = 0; k < 8; k++) c = (c >>> 1) ^ (0xedb88320 & -(c & 1));
    }
    return ~c >>> 0;
}

function Png(breite, hoehe, rgb) {
    const roh = Buffer.alloc((breite * 3 + 1) * hoehe);
    for (let y = 0; y < hoehe; y++) {
        rgb.copy(roh, y * (breite * 3 + 1) + 1, y * breite * 3, (y + 1) * breite * 3);
    }
    const stueck = (art, daten) => {
        const laenge = Buffer.alloc(4);
        laenge.writeUInt32BE(daten.length);
        const inhalt = Buffer.concat([Buffer.from(art, "ascii"), daten]);
        const pruef = Buffer.alloc(4);
        pruef.writeUInt32BE(crc32(inhalt));
        return Buffer.concat([laenge, inhalt, pruef]);
    };
    const kopf = Buffer.alloc(13);
    kopf.writeUInt32BE(breite, 0);
    kopf.writeUInt32BE(hoehe, 4);
    kopf.set([8, 2, 0, 0, 0], 8); // 8 bits, RGB
    return Buffer.concat([
        Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
        stueck("IHDR", kopf),
        stueck("IDAT", zlib.deflateSync(roh)),
        stueck("IEND", Buffer.alloc(0)),
    ]);
}

// dreiecke: [{a, b, c, farbe: [r, g, b]}] with points [x, y, z] in model coordinates.
function ZeichnePng(dreiecke, datei, breite = 1200, hoehe = 800) {
    const ansicht = Ansicht([-0.55, -1, 0.75]);
    const projiziert = dreiecke.map((d) => ({
        p: [d.a, d.b, d.c].map(ansicht.punkt),
        d,
    }));
    let minX = Infinity, maxX = -Infinity, minY = Infinity, maxY = -Infinity;
    for (const { p } of projiziert) {
        for (const q of p) {
            minX = Math.min(minX, q[0]);
            maxX = Math.max(maxX, q[0]);
            minY = Math.min(minY, q[1]);
            maxY = Math.max(maxY, q[1]);
        }
    }
    const ss = 2;
    const B = breite * ss, H = hoehe * ss, rand = 20 * ss;
    const massstab = Math.min((B - 2 * rand) / (maxX - minX), (H - 2 * rand) / (maxY - minY));
    const x0 = (B - massstab * (maxX - minX)) / 2, y0 = (H - massstab * (maxY - minY)) / 2;
    const tiefe = new Float64Array(B * H).fill(-Infinity);
    const farbe = new Uint8Array(B * H * 3).fill(255);

    for (const { p, d } of projiziert) {
        const s = p.map((q) => [x0 + (q[0] - minX) * massstab, H - (y0 + (q[1] - minY) * massstab), q[2]]);
        const u = [d.b[0] - d.a[0], d.b[1] - d.a[1], d.b[2] - d.a[2]];
        const v = [d.c[0] - d.a[0], d.c[1] - d.a[1], d.c[2] - d.a[2]];
        let n = normiert(kreuz(u, v));
        if (skalar(n, ansicht.d) < 0) n = n.map((x) => -x); // both sides lit alike
        const hell = 0.4 + 0.6 * Math.max(0, skalar(n, LICHT));
        const rgb = d.farbe.map((c) => Math.min(255, Math.round(c * hell)));

        const fl = (s[1][0] - s[0][0]) * (s[2][1] - s[0][1]) - (s[2][0] - s[0][0]) * (s[1][1] - s[0][1]);
        if (Math.abs(fl) < 1e-9) continue;
        const xa = Math.max(0, Math.floor(Math.min(s[0][0], s[1][0], s[2][0])));
        const xe = Math.min(B - 1, Math.ceil(Math.max(s[0][0], s[1][0], s[2][0])));
        const ya = Math.max(0, Math.floor(Math.min(s[0][1], s[1][1], s[2][1])));
        const ye = Math.min(H - 1, Math.ceil(Math.max(s[0][1], s[1][1], s[2][1])));
        for (let y = ya; y <= ye; y++) {
            for (let x = xa; x <= xe; x++) {
                const px = x + 0.5, py = y + 0.5;
                const w0 = ((s[1][0] - px) * (s[2][1] - py) - (s[2][0] - px) * (s[1][1] - py)) / fl;
                const w1 = ((s[2][0] - px) * (s[0][1] - py) - (s[0][0] - px) * (s[2][1] - py)) / fl;
                const w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) continue;
                const z = w0 * s[0][2] + w1 * s[1][2] + w2 * s[2][2];
                const i = y * B + x;
                if (z > tiefe[i]) {
                    tiefe[i] = z;
                    farbe.set(rgb, i * 3);
                }
            }
        }
    }
    const bild = Buffer.alloc(breite * hoehe * 3);
    for (let y = 0; y < hoehe; y++) {
        for (let x = 0; x < breite; x++) {
            for (let k = 0; k < 3; k++) {
                let summe = 0;
                for (let j = 0; j < ss; j++) {
                    for (let i = 0; i < ss; i++) summe += farbe[((y * ss + j) * B + x * ss + i) * 3 + k];
                }
                bild[(y * breite + x) * 3 + k] = Math.round(summe / (ss * ss));
            }
        }
    }
    fs.writeFileSync(datei, Png(breite, hoehe, bild));
}

module.exports = { ZeichnePng };
