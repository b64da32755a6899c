#!/usr/bin/env python3
"""Fills every label template with sample values and renders it, for looking at.

The values are the longest the forms let through, converted to RTF as the label
builder converts them; barcode pictures are real Code 128 C and EAN-13 bitmaps
(drawn by zint at one pixel per module, 175 x 25 pixels like the program's).
Needs soffice, pdftoppm and zint; writes <out>/<template>.rtf, .pdf and -1.png.

    python3 tools/resources/render_samples.py /tmp/samples [dpi]
"""

import binascii
import glob
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.normpath(os.path.join(HERE, "..", "..", "resources"))

ROW7 = "123456710830212345"
ROW10 = "123456789010830242"
EAN = "4012345678901"


def as_rtf(value):
    out = []
    for ch in value:
        c = ord(ch)
        if c == 9:
            out.append("\\tab ")
        elif c == 10:
            out.append("\n\\par ")
        elif ch in "\\{}":
            out.append("\\" + ch)
        elif c <= 32:
            out.append(ch)
        else:
            out.append("\\u%d?" % c)
    return "".join(out)


def png_group(path, w, h):
    data = binascii.hexlify(open(path, "rb").read()).decode().upper()
    return "{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d %s}" % (w, h, w * 15, h * 15, data)


def barcode(tmp, name, symbology, data, turned):
    raw = os.path.join(tmp, name + "-raw.png")
    out = os.path.join(tmp, name + ".png")
    subprocess.run(["zint", "-b", symbology, "--notext", "--noquietzones", "--height=25", "--scale=0.5",
                    "-d", data, "-o", raw], check=True)
    args = ["convert", raw, "-crop", "175x25+0+0", "+repage", "-background", "white",
            "-gravity", "northwest", "-extent", "175x25"]
    if turned:
        args += ["-rotate", "90"]
    subprocess.run(args + [out], check=True)
    return png_group(out, 25 if turned else 175, 175 if turned else 25)


def samples(tmp):
    kreis = os.path.join(tmp, "kreis.png")
    subprocess.run(["convert", os.path.join(RESOURCES, "KreisS.bmp"), kreis], check=True)
    pics = {
        "row": barcode(tmp, "row", "20", ROW7, False),
        "row10": barcode(tmp, "row10", "20", ROW10, False),
        "ean": barcode(tmp, "ean", "13", EAN[:12], False),
        "row90": barcode(tmp, "row90", "20", ROW7, True),
        "ean90": barcode(tmp, "ean90", "13", EAN[:12], True),
        "kreis": png_group(kreis, 40, 40),
    }
    ean_digits = "4  012345  678901"
    container = {
        1: "Gehäusedeckel", 2: "links pulverbeschichtet RAL", 3: "12-34-567-890", 4: "02", 5: "1234567",
        6: "1250000 Stk", 7: "12345", 8: pics["row"], 9: ROW7, 10: pics["ean"], 11: ean_digits,
    }
    lagerteil = dict(container)
    lagerteil.update({12: "Halle 3 R12-F07 Süd-W", 13: "100%", 14: "24.06.2026", 15: "Jörg Weißmann",
                      16: "LS 4711-0815 / Charge 2026-06-A / 13 €", 17: pics["kreis"]})
    auftrag = dict(container)
    auftrag.update({2: "links, pulverbeschichtet RAL 7035, matt", 12: "4500123456", 13: "0010", 14: "100%",
                    15: "24.06.2026", 16: "Jörg Weißmann", 17: "LS 4711-0815 / Charge 2026-06-A / 13 €",
                    18: pics["kreis"]})
    sonder = {1: "Sonderflansch DN 80 PN 16 ", 2: "Edelstahl 1.4571, gebeizt", 3: "4500987654", 4: "00020",
              5: "0012345678", 6: "0030", 7: "12345", 8: "25 m²", 9: "KW-Trockner TX 4500 / Baureihe 7",
              10: "H3-R12-F07-E3 (Kühlr.)", 11: "100%", 12: "24.06.2026", 13: "A. Schäfer-Kö",
              14: "LS 4711-0815 / Charge 2026-06-A / 3 €"}
    memo = "\r\n".join(["Typenschild Lüfterbaugruppe", "230 V ~ 50 Hz, 0,45 A", "IP 54, Isolierstoffklasse F",
                        "Drehrichtung: rechts", "Gewicht 3,2 kg", "Baujahr 2026", "Made in Germany"])
    plate = {1: "1234567", 2: memo, 3: pics["row"], 4: "1083", 5: ROW7, 6: "EEI ≤ 0,23",
             10: "Lieferant: Muster GmbH, Werk 2, Linie 4"}
    texts = ["Dichtungssatz für Kältemittelverdichter, vollständig mit Montageanleitung",
             "Gasket set for refrigerant compressor, complete with mounting instructions",
             "Jeu de joints pour compresseur frigorifique, complet avec notice de montage",
             "Juego de juntas para compresor de refrigerante, completo con instrucciones",
             "Комплект уплотнений для компрессора хладагента, с инструкцией по монтажу",
             "Zusatztext frei: nur für Baureihe 7 ab Seriennummer 2026-0001 verwendbar"]
    spare = {1: "1234567", 9: ean_digits, 14: "1083", 15: ROW7, 16: "EEI ≤ 0,23"}
    spare.update({2 + i: t[:72] for i, t in enumerate(texts)})
    karton = {**spare, 8: pics["ean90"], 13: pics["row90"]}
    beutel = {**spare, 8: pics["ean"], 13: pics["row"]}
    return {"Lagerteil": lagerteil, "Auftragsteil": auftrag, "Sonderteil": sonder, "Einzelteil": plate,
            "ErsatzteilKarton": karton, "ErsatzteilBeutel": beutel}


def fill(template, values):
    doc = open(template, encoding="cp1252").read()
    for number, value in sorted(values.items()):
        doc = doc.replace("@%02d" % number, value if value.startswith("{\\pict") else as_rtf(value))
    return doc


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/zeichwerk-samples"
    dpi = sys.argv[2] if len(sys.argv) > 2 else "100"
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        values = samples(tmp)
        filled = []
        for template in sorted(glob.glob(os.path.join(RESOURCES, "Vorlage*.rtf"))):
            name = os.path.basename(template)[len("Vorlage"):-len(".rtf")]
            kind = name.split("_")[0]
            path = os.path.join(out, name + ".rtf")
            with open(path, "w", encoding="cp1252", newline="") as f:
                f.write(fill(template, values[kind]))
            filled.append(path)
        subprocess.run(["soffice", "-env:UserInstallation=file://" + tmp + "/profile", "--headless",
                        "--convert-to", "pdf", "--outdir", out] + filled, check=True, stdout=subprocess.DEVNULL)
    for path in filled:
        pdf = path[:-4] + ".pdf"
        subprocess.run(["pdftoppm", "-r", dpi, "-png", pdf, pdf[:-4]], check=True)
    print("rendered %d templates into %s" % (len(filled), out))


if __name__ == "__main__":
    main()
