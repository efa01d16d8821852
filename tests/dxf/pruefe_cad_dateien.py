"""The prepared connector drawings: three per type, each readable and of the expected
make-up (VSK types with round sleeves, VSKQ types with slotted ones)."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
import dxfpruefung  # noqa: E402

TYPEN = [f"VSK {i}" for i in range(1, 11)] + [f"VSKQ {i}" for i in range(2, 11)]


def main():
    generator = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run([generator, tmp], check=True)
        ordner = os.path.join(tmp, "CAD files")
        dateien = sorted(os.listdir(ordner))
        assert len(dateien) == 57, dateien
        for typ in TYPEN:
            schlitz = typ.startswith("VSKQ")
            erwartet = {
                "Plan View Block": {"LINE": 24},
                "Side View Block": {"LINE": 24, "CIRCLE": 2},
                "End View Block": {"LINE": 20, "CIRCLE": 2} if schlitz
                else {"LINE": 12, "CIRCLE": 4},
            }
            for teil, anzahl in erwartet.items():
                pfad = os.path.join(ordner, f"{typ} {teil}.dxf")
                zaehlung, _, _ = dxfpruefung.pruefen(pfad)
                assert zaehlung == anzahl, (pfad, zaehlung, anzahl)
    print("57 prepared drawings checked")


if __name__ == "__main__":
    main()
