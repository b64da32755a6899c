#!/usr/bin/env python3
"""Writes the demo installation's article file and EAN list (run from demo/)."""

def ean13(first12):
    total = sum(int(d) * (3 if i % 2 else 1) for i, d in enumerate(first12))
    return first12 + str((10 - total % 10) % 10)

# material number, designation, drawing number, index, storage place, quantity, unit,
# supplier field, 100 % inspection, safety relevant; English designation
ARTICLES = [
    ("1000112", "Schraube DIN 912 M8x25 A2", "10-20-112-001", "02", "A-01-03", "100", "Stk", "Charge 24-117", "false", "false", "Screw DIN 912 M8x25 A2"),
    ("1000127", "Sechskantmutter M8 A2", "10-20-127-001", "01", "A-01-04", "200", "Stk", "", "false", "false", "Hexagon nut M8 A2"),
    ("1000245", "Unterlegscheibe 8,4 A2", "", "", "A-01-05", "500", "Stk", "", "false", "false", "Washer 8.4 A2"),
    ("1001308", "Dichtring 22x30x2 EPDM", "10-31-308-000", "03", "A-02-11", "50", "Stk", "Werkstoff EPDM 70", "true", "false", "Sealing ring 22x30x2 EPDM"),
    ("1001316", "O-Ring 45x3 FKM", "10-31-316-000", "01", "A-02-12", "25", "Stk", "", "true", "false", "O-ring 45x3 FKM"),
    ("1002044", "Flansch DN50 PN16 1.4571", "11-05-044-010", "04", "B-03-01", "2", "Stk", "Schmelze 55821", "true", "true", "Flange DN50 PN16 1.4571"),
    ("1002051", "Flanschdichtung DN50 Graphit", "11-05-051-010", "01", "B-03-02", "10", "Stk", "", "false", "false", "Flange gasket DN50 graphite"),
    ("1003120", "Pumpengehäuse GG25 bearbeitet", "12-40-120-100", "07", "C-10-01", "1", "Stk", "Guss-Nr. 3391", "true", "true", "Pump casing GG25 machined"),
    ("1003138", "Laufrad Ø180 Bronze", "12-40-138-100", "05", "C-10-02", "1", "Stk", "", "true", "true", "Impeller 180 mm bronze"),
    ("1003146", "Lagerbuchse Ø20 Sinterbronze", "12-40-146-000", "02", "C-10-05", "20", "Stk", "", "false", "false", "Bearing bush 20 mm sintered bronze"),
    ("1004017", "Welle Ø20x312 1.4021", "12-41-017-000", "03", "C-11-01", "1", "Stk", "", "true", "true", "Shaft 20x312 1.4021"),
    ("1004025", "Gleitringdichtung 20 mm", "12-41-025-000", "02", "C-11-02", "4", "Stk", "", "true", "true", "Mechanical seal 20 mm"),
    ("1005103", "Temperaturfühler PT1000 L=100", "13-02-103-000", "01", "D-04-07", "5", "Stk", "Kalibrierung 0-150 °C", "true", "false", "Temperature sensor PT1000 L=100"),
    ("1005111", "Drucktransmitter 0-16 bar", "13-02-111-000", "02", "D-04-08", "2", "Stk", "", "true", "true", "Pressure transmitter 0-16 bar"),
    ("1005128", "Kabelbaum Steuerung X12", "13-07-128-000", "06", "D-05-01", "1", "Stk", "", "false", "false", "Wiring harness control X12"),
    ("1005136", "Leitung Ölflex 3G1,5", "", "", "D-05-03", "50", "m", "Trommel 500 m", "false", "false", "Cable Oelflex 3G1.5"),
    ("1006200", "Schutzschlauch PA 12 NW 17", "", "", "D-05-04", "25", "m", "", "false", "false", "Conduit PA 12 NW 17"),
    ("1006218", "Schutzgitter Lüfter 250", "14-11-218-000", "01", "E-02-01", "1", "Stk", "", "false", "true", "Fan guard 250"),
    ("1006226", "Typenschildhalter Alu", "14-11-226-000", "00", "E-02-02", "10", "Stk", "", "false", "false", "Type plate holder aluminium"),
    ("1007010", "Wärmeleitpaste 100 g", "", "", "F-01-01", "1", "kg", "MHD 12/2027", "false", "false", "Thermal paste 100 g"),
    ("1007028", "Korrosionsschutz Spray", "", "", "F-01-02", "1", "L", "", "false", "false", "Corrosion protection spray"),
    ("1007036", "Isolierband Glasseide 25 mm", "", "", "F-01-03", "10", "m", "", "false", "false", "Insulating tape glass silk 25 mm"),
    ("1008110", "Heizpatrone 2 kW 230 V", "15-20-110-000", "03", "G-07-01", "1", "Stk", "", "true", "true", "Heating cartridge 2 kW 230 V"),
    ("1008128", "Sicherheitstemperaturbegrenzer", "15-20-128-000", "02", "G-07-02", "1", "Stk", "Einstellung 95 °C", "true", "true", "Safety temperature limiter"),
    ("1008136", "Magnetventil 1/2\" 24 V DC", "15-21-136-000", "04", "G-07-05", "2", "Stk", "", "true", "false", "Solenoid valve 1/2\" 24 V DC"),
    ("1009013", "Kugelhahn DN25 Messing", "16-01-013-000", "01", "H-02-01", "4", "Stk", "", "false", "false", "Ball valve DN25 brass"),
    ("1009021", "Rückschlagventil DN25", "16-01-021-000", "02", "H-02-02", "4", "Stk", "", "false", "true", "Non-return valve DN25"),
    ("1009039", "Manometer 0-10 bar Ø63", "16-03-039-000", "01", "H-02-05", "2", "Stk", "", "false", "false", "Pressure gauge 0-10 bar 63 mm"),
    ("1100425", "Gehäusedeckel lackiert RAL 7035", "17-10-425-000", "05", "K-01-01", "1", "Stk", "", "false", "false", "Housing cover painted RAL 7035"),
    ("1100433", "Schaltschrank 600x400x210", "17-10-433-000", "02", "K-01-02", "1", "Stk", "", "true", "true", "Control cabinet 600x400x210"),
    ("2000100111", "Ersatzteilset Gleitringdichtung", "20-00-100-111", "01", "S-01-01", "1", "Stk", "Set für Baureihe KP", "true", "true", "Spare part kit mechanical seal"),
    ("2000100129", "Wartungsset Pumpe KP 50", "20-00-100-129", "03", "S-01-02", "1", "Stk", "", "false", "true", "Service kit pump KP 50"),
    ("2000200016", "Zubehör Wandhalter verzinkt", "", "", "S-02-01", "2", "Stk", "", "false", "false", "Accessory wall bracket galvanised"),
]

def write_crlf_utf8_bom(path, lines):
    with open(path, "wb") as f:
        f.write(b"\xef\xbb\xbf" + "".join(l + "\r\n" for l in lines).encode("utf-8"))

def main():
    articles = sorted(ARTICLES, key=lambda a: a[0].lower())
    eans = {a[0]: ean13("4012345" + a[0][-5:]) for a in articles}
    # Three articles carry no EAN in the article file: the list brings it.
    lines = ["[Anzahl]", "Anzahl=%d" % len(articles), ""]
    for n, (mat, des, znr, idx, lag, stk, unit, lief, p100, sich, eng) in enumerate(articles, 1):
        ean = "" if n % 11 == 0 else eans[mat]
        fields = [
            ("MatNr", mat), ("Bezeichnung", des), ("EAN", ean),
            ("ZeichnNr", znr or "00-00-000-000"), ("IndexZNr", idx or "00"),
            ("MQSNr", "00-00-000-000"), ("IndexMQS", "00"),
            ("KSTNr", "40-10-%s-000" % mat[-3:] if not znr else "00-00-000-000"), ("IndexKST", "01" if not znr else "00"),
            ("Sprache_1", des), ("Sprache_2", eng), ("Sprache_3", ""), ("Sprache_4", ""), ("Sprache_5", ""), ("Sprache_6", ""),
            ("Lagerplatz", lag), ("Stueckzahl", stk), ("Einheit", unit), ("Lieferantenfeld", lief),
            ("100%_Pruef", p100), ("Sicherheit", sich),
        ]
        lines.append("[TArtikel_%d]" % n)
        lines += ["%s=%s" % kv for kv in fields]
        lines.append("")
    write_crlf_utf8_bom("articles/Artikel.ini", lines)

    ean_lines = []
    for mat, des, znr, idx, lag, stk, unit, lief, p100, sich, eng in articles:
        key = mat.rjust(18, "0")
        kst = "40-10-%s-000" % mat[-3:] if not znr else ""
        ean_lines.append("@".join([key, des, eans[mat], znr, idx, "", "", kst, "01" if kst else "",
                                   des, eng, "", "", "", ""]))
    write_crlf_utf8_bom("articles/artikel_ean_liste.txt", ean_lines)

if __name__ == "__main__":
    main()
