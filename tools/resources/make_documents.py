#!/usr/bin/env python3
"""Makes the PDF documents installed beside the program.

    Bedienungsanleitung_D.pdf, Bedienungsanleitung_GB.pdf
        from docs/manual/Bedienungsanleitung_D.md and _GB.md (a small Markdown
        subset: headings, paragraphs, lists, tables, notes, pictures, **bold**,
        `file names`)
    Musterbestellung.pdf
        a one-page sample purchase order whose storage-place column is marked

The label pictures in docs/manual/images are renderings of the filled templates
(render_samples.py at 150 dpi, reduced to 16 colours).

Each document is written as flat OpenDocument (.fodt, in a temporary folder)
and converted by LibreOffice. Needs soffice.

    python3 tools/resources/make_documents.py
"""

import base64
import html
import os
import re
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
MANUAL = os.path.join(ROOT, "docs", "manual")
RESOURCES = os.path.join(ROOT, "resources")

RED = "#c00000"

# Styles made while writing a document's body (table column widths).
AUTO_STYLES = []
TABLES = 0
MARK = "#fff200"

NAMESPACES = " ".join('xmlns:%s="%s"' % kv for kv in [
    ("office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"),
    ("style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"),
    ("text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"),
    ("table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"),
    ("draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"),
    ("fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"),
    ("xlink", "http://www.w3.org/1999/xlink"),
    ("dc", "http://purl.org/dc/elements/1.1/"),
    ("meta", "urn:oasis:names:tc:opendocument:xmlns:meta:1.0"),
    ("svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"),
])

STYLES = """
 <office:font-face-decls>
  <style:font-face style:name="Liberation Sans" svg:font-family="'Liberation Sans'" style:font-family-generic="swiss"/>
  <style:font-face style:name="Liberation Mono" svg:font-family="'Liberation Mono'" style:font-family-generic="modern"/>
 </office:font-face-decls>
 <office:styles>
  <style:default-style style:family="paragraph">
   <style:paragraph-properties fo:hyphenation-ladder-count="no-limit"/>
   <style:text-properties style:font-name="Liberation Sans" fo:font-size="10pt" fo:language="{lang}"
     fo:country="{country}" fo:hyphenate="false"/>
  </style:default-style>
  <style:style style:name="Standard" style:family="paragraph" style:class="text">
   <style:paragraph-properties fo:margin-top="0mm" fo:margin-bottom="2mm" fo:line-height="125%"/>
  </style:style>
  <style:style style:name="Title" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-top="0mm" fo:margin-bottom="1mm"/>
   <style:text-properties fo:font-size="24pt" fo:font-weight="bold"/>
  </style:style>
  <style:style style:name="Subtitle" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-bottom="6mm" fo:padding-bottom="2mm"
     fo:border-bottom="1.5pt solid {red}"/>
   <style:text-properties fo:font-size="12pt" fo:color="#505050"/>
  </style:style>
  <style:style style:name="Heading_20_1" style:display-name="Heading 1" style:family="paragraph"
    style:parent-style-name="Standard" style:default-outline-level="1">
   <style:paragraph-properties fo:margin-top="6mm" fo:margin-bottom="2mm" fo:keep-with-next="always"/>
   <style:text-properties fo:font-size="15pt" fo:font-weight="bold" fo:color="{red}"/>
  </style:style>
  <style:style style:name="Heading_20_2" style:display-name="Heading 2" style:family="paragraph"
    style:parent-style-name="Standard" style:default-outline-level="2">
   <style:paragraph-properties fo:margin-top="4mm" fo:margin-bottom="1.5mm" fo:keep-with-next="always"/>
   <style:text-properties fo:font-size="12pt" fo:font-weight="bold"/>
  </style:style>
  <style:style style:name="List_20_Paragraph" style:display-name="List Paragraph" style:family="paragraph"
    style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-bottom="1mm"/>
  </style:style>
  <style:style style:name="Note" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-top="1mm" fo:margin-bottom="3mm" fo:padding="2mm"
     fo:background-color="#fdf3d6" fo:border-left="2.5pt solid #e0a000" fo:keep-together="always"/>
  </style:style>
  <style:style style:name="Table_20_Contents" style:display-name="Table Contents" style:family="paragraph"
    style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-bottom="0mm" fo:line-height="115%"/>
   <style:text-properties fo:font-size="9pt"/>
  </style:style>
  <style:style style:name="Table_20_Heading" style:display-name="Table Heading" style:family="paragraph"
    style:parent-style-name="Table_20_Contents">
   <style:text-properties fo:font-weight="bold"/>
  </style:style>
  <style:style style:name="Picture" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="center" fo:margin-top="2mm" fo:margin-bottom="1mm"
     fo:keep-with-next="always"/>
  </style:style>
  <style:style style:name="Caption" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="center" fo:margin-bottom="4mm"/>
   <style:text-properties fo:font-size="9pt" fo:font-style="italic" fo:color="#505050"/>
  </style:style>
  <style:style style:name="Header" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-bottom="0mm" fo:padding-bottom="1mm" fo:border-bottom="0.5pt solid #909090">
    <style:tab-stops><style:tab-stop style:position="170mm" style:type="right"/></style:tab-stops>
   </style:paragraph-properties>
   <style:text-properties fo:font-size="8pt" fo:color="#606060"/>
  </style:style>
  <style:style style:name="Footer" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="center" fo:margin-bottom="0mm"/>
   <style:text-properties fo:font-size="8pt" fo:color="#606060"/>
  </style:style>
  <style:style style:name="Strong" style:family="text">
   <style:text-properties fo:font-weight="bold"/>
  </style:style>
  <style:style style:name="Code" style:family="text">
   <style:text-properties style:font-name="Liberation Mono" fo:font-size="9pt"/>
  </style:style>
  <style:style style:name="Red" style:family="text">
   <style:text-properties fo:color="{red}" fo:font-weight="bold"/>
  </style:style>
  <text:list-style style:name="Bullets">
   <text:list-level-style-bullet text:level="1" text:bullet-char="&#x2022;">
    <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
     <style:list-level-label-alignment text:label-followed-by="listtab" text:list-tab-stop-position="6mm"
       fo:text-indent="-4mm" fo:margin-left="6mm"/>
    </style:list-level-properties>
   </text:list-level-style-bullet>
  </text:list-style>
  <text:list-style style:name="Numbers">
   <text:list-level-style-number text:level="1" style:num-suffix="." style:num-format="1">
    <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
     <style:list-level-label-alignment text:label-followed-by="listtab" text:list-tab-stop-position="6mm"
       fo:text-indent="-5mm" fo:margin-left="6mm"/>
    </style:list-level-properties>
   </text:list-level-style-number>
  </text:list-style>
 </office:styles>
"""

AUTOMATIC = """
 <office:automatic-styles>
  <style:page-layout style:name="Page">
   <style:page-layout-properties fo:page-width="210mm" fo:page-height="297mm" fo:margin-top="12mm"
     fo:margin-bottom="12mm" fo:margin-left="20mm" fo:margin-right="20mm"/>
   <style:header-style><style:header-footer-properties fo:min-height="0mm" fo:margin-bottom="6mm"/></style:header-style>
   <style:footer-style><style:header-footer-properties fo:min-height="0mm" fo:margin-top="6mm"/></style:footer-style>
  </style:page-layout>
  <style:style style:name="Grid" style:family="table">
   <style:table-properties style:width="170mm" table:align="left" fo:margin-top="1mm" fo:margin-bottom="3mm"/>
  </style:style>
  <style:style style:name="Cell" style:family="table-cell">
   <style:table-cell-properties fo:padding="1.2mm" fo:border="0.5pt solid #909090"/>
  </style:style>
  <style:style style:name="HeadCell" style:family="table-cell">
   <style:table-cell-properties fo:padding="1.2mm" fo:border="0.5pt solid #909090" fo:background-color="#e8e8e8"/>
  </style:style>
  <style:style style:name="Plain" style:family="table-cell">
   <style:table-cell-properties fo:padding="0.8mm" fo:border="none"/>
  </style:style>
  <style:style style:name="Black" style:family="table-cell">
   <style:table-cell-properties fo:padding="1mm" fo:border="none" fo:background-color="#000000"
     style:vertical-align="middle"/>
  </style:style>
  <style:style style:name="Marked" style:family="table-cell">
   <style:table-cell-properties fo:padding="1.2mm" fo:background-color="{mark}" fo:border-top="0.5pt solid #909090"
     fo:border-bottom="0.5pt solid #909090" fo:border-left="2.5pt solid {red}" fo:border-right="2.5pt solid {red}"/>
  </style:style>
  <style:style style:name="MarkedHead" style:family="table-cell">
   <style:table-cell-properties fo:padding="1.2mm" fo:background-color="{mark}" fo:border-top="2.5pt solid {red}"
     fo:border-bottom="0.5pt solid #909090" fo:border-left="2.5pt solid {red}" fo:border-right="2.5pt solid {red}"/>
  </style:style>
  <style:style style:name="MarkedFoot" style:family="table-cell">
   <style:table-cell-properties fo:padding="1.2mm" fo:background-color="{mark}" fo:border-top="0.5pt solid #909090"
     fo:border-bottom="2.5pt solid {red}" fo:border-left="2.5pt solid {red}" fo:border-right="2.5pt solid {red}"/>
  </style:style>
  <style:style style:name="Logo" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="center" fo:margin-bottom="0mm"/>
   <style:text-properties fo:font-size="22pt" fo:font-weight="bold" fo:color="#ffffff"/>
  </style:style>
  <style:style style:name="Right" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="end"/>
  </style:style>
  <style:style style:name="Small" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-bottom="0.5mm" fo:line-height="115%"/>
   <style:text-properties fo:font-size="8.5pt"/>
  </style:style>
  <style:style style:name="Watermark" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="end" fo:margin-bottom="0mm"/>
   <style:text-properties fo:font-size="26pt" fo:font-weight="bold" fo:color="#c8c8c8" fo:letter-spacing="2mm"/>
  </style:style>
  <style:style style:name="Callout" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-top="2mm" fo:margin-bottom="3mm" fo:padding="2.5mm"
     fo:background-color="{mark}" fo:border="2.5pt solid {red}"/>
  </style:style>
  <style:style style:name="Picture1" style:family="graphic">
   <style:graphic-properties style:vertical-pos="top" style:vertical-rel="baseline" fo:border="0.5pt solid #909090"/>
  </style:style>
 </office:automatic-styles>
"""


def esc(s):
    return html.escape(s, quote=False)


def inline(s):
    """**bold** and `code` inside a line of text."""
    out = []
    for part in re.split(r"(\*\*.+?\*\*|`[^`]+`)", s):
        if part.startswith("**") and part.endswith("**") and len(part) > 4:
            out.append('<text:span text:style-name="Strong">%s</text:span>' % esc(part[2:-2]))
        elif part.startswith("`") and part.endswith("`") and len(part) > 2:
            out.append('<text:span text:style-name="Code">%s</text:span>' % esc(part[1:-1]))
        else:
            out.append(esc(part))
    return "".join(out)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("%s is not a PNG" % path)
    return struct.unpack(">II", head[16:24])


def picture(path, width_mm, name):
    w, h = png_size(path)
    data = base64.b64encode(open(path, "rb").read()).decode()
    return ('<draw:frame draw:style-name="Picture1" draw:name="%s" text:anchor-type="as-char" svg:width="%.1fmm" '
            'svg:height="%.1fmm"><draw:image><office:binary-data>%s</office:binary-data></draw:image></draw:frame>'
            % (name, width_mm, width_mm * h / w, data))


def table(rows, weights):
    """A table whose column widths follow the weights (the dashes of the Markdown rule).
    A short table stays on one page; a long one repeats its heading row."""
    global TABLES
    TABLES += 1
    name = "Tab%d" % TABLES
    total = sum(weights)
    keep = "false" if len(rows) <= 8 else "true"
    AUTO_STYLES.append('<style:style style:name="%s" style:family="table"><style:table-properties style:width="170mm" '
                       'table:align="left" fo:margin-top="1mm" fo:margin-bottom="3mm" '
                       'style:may-break-between-rows="%s"/></style:style>' % (name, keep))
    out = ['<table:table table:name="%s" table:style-name="%s">' % (name, name)]
    for i, w in enumerate(weights):
        AUTO_STYLES.append('<style:style style:name="%s.%d" style:family="table-column"><style:table-column-properties '
                           'style:column-width="%.1fmm"/></style:style>' % (name, i, 170.0 * w / total))
        out.append('<table:table-column table:style-name="%s.%d"/>' % (name, i))
    for r, row in enumerate(rows):
        style, para = ("HeadCell", "Table_20_Heading") if r == 0 else ("Cell", "Table_20_Contents")
        cells = "".join('<table:table-cell table:style-name="%s" office:value-type="string"><text:p text:style-name='
                        '"%s">%s</text:p></table:table-cell>' % (style, para, inline(cell)) for cell in row)
        row_xml = "<table:table-row>%s</table:table-row>" % cells
        out.append("<table:table-header-rows>%s</table:table-header-rows>" % row_xml if r == 0 else row_xml)
    out.append("</table:table>")
    return "\n".join(out)


def markdown_body(source, base_dir):
    """The Markdown subset of the manuals as ODF paragraphs."""
    body, lines, i, pictures = [], source.splitlines(), 0, 0
    while i < len(lines):
        line = lines[i].rstrip()
        if not line:
            i += 1
        elif line.startswith("# "):
            body.append('<text:p text:style-name="Title">%s</text:p>' % inline(line[2:]))
            i += 1
        elif line.startswith("## "):
            body.append('<text:h text:style-name="Heading_20_1" text:outline-level="1">%s</text:h>'
                        % inline(line[3:]))
            i += 1
        elif line.startswith("### "):
            body.append('<text:h text:style-name="Heading_20_2" text:outline-level="2">%s</text:h>'
                        % inline(line[4:]))
            i += 1
        elif line.startswith("_") and line.endswith("_"):
            body.append('<text:p text:style-name="Subtitle">%s</text:p>' % inline(line[1:-1]))
            i += 1
        elif line.startswith("!["):
            m = re.match(r"!\[(.*)\]\((.*)\)\{width=([0-9.]+)mm\}", line)
            if not m:
                sys.exit("bad picture line: " + line)
            pictures += 1
            body.append('<text:p text:style-name="Picture">%s</text:p>'
                        % picture(os.path.join(base_dir, m.group(2)), float(m.group(3)), "Bild%d" % pictures))
            body.append('<text:p text:style-name="Caption">%s</text:p>' % inline(m.group(1)))
            i += 1
        elif line.startswith("> "):
            text = []
            while i < len(lines) and lines[i].startswith("> "):
                text.append(lines[i][2:].strip())
                i += 1
            body.append('<text:p text:style-name="Note">%s</text:p>' % inline(" ".join(text)))
        elif line.startswith("|"):
            rows, weights = [], None
            while i < len(lines) and lines[i].startswith("|"):
                cells = [c.strip() for c in lines[i].strip().strip("|").split("|")]
                if all(re.fullmatch(r":?-+:?", c) for c in cells):
                    weights = [len(c) for c in cells]
                else:
                    rows.append(cells)
                i += 1
            body.append(table(rows, weights or [1] * len(rows[0])))
        elif re.match(r"(- |\d+\. )", line):
            numbered = not line.startswith("- ")
            items = []
            while i < len(lines) and re.match(r"(- |\d+\. |  )", lines[i]):
                item = lines[i]
                if item.startswith("  "):
                    items[-1] += " " + item.strip()
                else:
                    items.append(re.sub(r"^(- |\d+\. )", "", item))
                i += 1
            body.append('<text:list text:style-name="%s">' % ("Numbers" if numbered else "Bullets"))
            for item in items:
                body.append('<text:list-item><text:p text:style-name="List_20_Paragraph">%s</text:p>'
                            '</text:list-item>' % inline(item))
            body.append("</text:list>")
        else:
            text = []
            while i < len(lines) and lines[i].strip() and not re.match(r"(#|- |\d+\. |> |\||!\[)", lines[i]):
                text.append(lines[i].strip())
                i += 1
            body.append('<text:p text:style-name="Standard">%s</text:p>' % inline(" ".join(text)))
    return "\n".join(body)


def document(title, body, lang, header, footer, with_header=True):
    language, country = lang
    styles = STYLES.format(lang=language, country=country, red=RED)
    automatic = AUTOMATIC.format(red=RED, mark=MARK).replace(
        " </office:automatic-styles>", "\n".join(AUTO_STYLES) + "\n </office:automatic-styles>")
    AUTO_STYLES.clear()
    head = ('<style:header><text:p text:style-name="Header">%s<text:tab/>%s</text:p></style:header>'
            % (esc(header[0]), esc(header[1])) if with_header else "")
    foot = ('<style:footer><text:p text:style-name="Footer">%s<text:page-number text:select-page="current"/>'
            '</text:p></style:footer>' % esc(footer))
    return """<?xml version="1.0" encoding="UTF-8"?>
<office:document %s office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:meta><dc:title>%s</dc:title><meta:initial-creator>Zeichwerk</meta:initial-creator></office:meta>
%s%s
 <office:master-styles>
  <style:master-page style:name="Standard" style:page-layout-name="Page">%s%s</style:master-page>
 </office:master-styles>
 <office:body><office:text>
%s
 </office:text></office:body>
</office:document>
""" % (NAMESPACES, esc(title), styles, automatic, head, foot, body)


def convert(fodt_paths):
    with tempfile.TemporaryDirectory() as profile:
        subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--convert-to", "pdf",
                        "--outdir", RESOURCES] + fodt_paths, check=True, stdout=subprocess.DEVNULL)


def manual(out_dir, name, lang, header, footer):
    source = open(os.path.join(MANUAL, name + ".md"), encoding="utf-8").read()
    title = source.splitlines()[0][2:]
    path = os.path.join(out_dir, name + ".fodt")
    with open(path, "w", encoding="utf-8") as f:
        f.write(document(title, markdown_body(source, MANUAL), lang, header, footer))
    return path


# ---------------------------------------------------------------------------
# The sample order: a purchase order of the manufacturer to a supplier.

ORDER_ITEMS = [
    ("10", "1234567", "Gehäusedeckel links, pulverbeschichtet", "250", "Stk", "KW 08/2026", "H3-R12-F07"),
    ("20", "2345678", "Dichtungssatz für Kältemittelverdichter", "40", "Stk", "KW 08/2026", "H1-R02-F11"),
    ("30", "1234567890", "Kabelbaum Lüftermotor 1,5 m", "120", "Stk", "KW 09/2026", "H3-R04-F02"),
    ("40", "3456789", "Schlauch EPDM 19 x 3,5", "200", "m", "KW 09/2026", "H2-R08-F01"),
]


def cell(text, style="Plain", para="Small"):
    return ('<table:table-cell table:style-name="%s" office:value-type="string"><text:p text:style-name="%s">%s'
            '</text:p></table:table-cell>' % (style, para, text))


def plain_table(rows, widths, name):
    cols = "".join('<table:table-column table:style-name="%s.%d"/>' % (name, i) for i in range(len(widths)))
    styles = "".join('<style:style style:name="%s.%d" style:family="table-column"><style:table-column-properties '
                     'style:column-width="%smm"/></style:style>' % (name, i, w) for i, w in enumerate(widths))
    body = "".join("<table:table-row>%s</table:table-row>" % "".join(r) for r in rows)
    return styles, '<table:table table:name="%s" table:style-name="%sT">%s%s</table:table>' % (name, name, cols, body)


def order():
    extra_styles, parts = [], []

    def add(styles_and_table):
        extra_styles.append(styles_and_table[0])
        parts.append(styles_and_table[1])

    # Head: the maker's mark, sender and the word MUSTER.
    add(plain_table([[cell('<text:span>KELB</text:span>', "Black", "Logo"),
                      cell("Kelb GmbH<text:line-break/>Einkauf<text:line-break/>Industriestraße 1 · 00000 Ostrelt"),
                      cell("MUSTER", "Plain", "Watermark")]], [34, 80, 56], "Head"))
    parts.append('<text:p text:style-name="Standard"/>')
    add(plain_table([
        [cell("<text:span text:style-name=\"Strong\">Lieferant</text:span><text:line-break/>Muster Zulieferer GmbH"
              "<text:line-break/>Werkstraße 5<text:line-break/>00000 Musterstadt"),
         cell("<text:span text:style-name=\"Strong\">Bestellung</text:span><text:line-break/>"
              "Bestellnummer: 4500123456<text:line-break/>Bestelldatum: 12.01.2026<text:line-break/>"
              "Lieferantennummer: 54321<text:line-break/>Ansprechpartner: M. Beispiel, Tel. 00000 123-45")]],
        [85, 85], "Addr"))
    parts.append('<text:p text:style-name="Standard">Sehr geehrte Damen und Herren,<text:line-break/>wir bestellen '
                 'zu unseren Einkaufsbedingungen die folgenden Positionen. Bitte kennzeichnen Sie jedes Gebinde mit '
                 'einem Zeichwerk-Etikett.</text:p>')

    heads = ["Pos.", "Material-Nr.", "Benennung", "Menge", "Einheit", "Liefertermin", "Lagerplatz"]
    rows = [[cell('<text:span text:style-name="Strong">%s</text:span>' % h,
                  "MarkedHead" if h == "Lagerplatz" else "HeadCell", "Small") for h in heads]]
    for n, item in enumerate(ORDER_ITEMS):
        row = [cell(esc(v), "Cell") for v in item[:-1]]
        style = "MarkedFoot" if n == len(ORDER_ITEMS) - 1 else "Marked"
        row.append(cell('<text:span text:style-name="Strong">%s</text:span>' % esc(item[-1]), style))
        rows.append(row)
    add(plain_table(rows, [10, 24, 58, 14, 14, 24, 26], "Items"))

    parts.append('<text:p text:style-name="Callout"><text:span text:style-name="Red">&#x25B2; Lagerplatz</text:span>'
                 '<text:line-break/>Den Lagerplatz einer Position finden Sie in der letzten Spalte der '
                 'Positionstabelle (gelb markiert). Tragen Sie ihn im Zeichwerk-Etikett '
                 '<text:span text:style-name="Strong">Gebinde - Lagerteil</text:span> in das Feld '
                 '<text:span text:style-name="Strong">Lagerplatz</text:span> ein, genau wie er hier steht, z. B. '
                 '<text:span text:style-name="Code">H3-R12-F07</text:span>. Zeichwerk schlägt den Lagerplatz aus dem '
                 'Artikelstamm vor; weicht die Bestellung davon ab, gilt die Bestellung.<text:line-break/>'
                 '<text:span text:style-name="Red">Storage location:</text:span> the last column of the item table '
                 '(marked yellow); enter it in the field Storage location of the stock-part container label.'
                 '</text:p>')
    parts.append('<text:p text:style-name="Small"><text:span text:style-name="Strong">Lieferanschrift:</text:span> '
                 'Kelb GmbH, Wareneingang Tor 3, Industriestraße 1, 00000 Ostrelt. Anlieferung Montag bis Freitag '
                 '7:00 bis 14:00 Uhr.</text:p>')
    parts.append('<text:p text:style-name="Small"><text:span text:style-name="Strong">Kennzeichnung:</text:span> '
                 'Jedes Gebinde trägt ein Etikett mit Materialnummer, Menge, Herstellerwoche, Barcode und Lagerplatz. '
                 'Teile aus Kundenaufträgen erhalten das Etikett „Gebinde - Auftragsbezogen“ mit Kundenauftrag und '
                 'Position statt des Lagerplatzes.</text:p>')
    parts.append('<text:p text:style-name="Small"><text:span text:style-name="Strong">Lieferpapiere:</text:span> '
                 'Geben Sie auf Lieferschein und Rechnung Bestellnummer, Position und Materialnummer an. Je '
                 'Bestellposition ein eigenes Gebinde.</text:p>')
    parts.append('<text:p text:style-name="Small"><text:span text:style-name="Strong">Zahlungsbedingungen:</text:span>'
                 ' 14 Tage 2 % Skonto, 30 Tage netto. Es gelten die Allgemeinen Einkaufsbedingungen der Kelb GmbH.'
                 '</text:p>')
    parts.append('<text:p text:style-name="Small">Bitte bestätigen Sie diese Bestellung innerhalb von drei '
                 'Werktagen unter Angabe der Bestellnummer.</text:p>')
    parts.append('<text:p text:style-name="Small">Mit freundlichen Grüßen<text:line-break/>Kelb GmbH, Einkauf'
                 '</text:p>')

    table_styles = "".join('<style:style style:name="%sT" style:family="table"><style:table-properties '
                           'style:width="170mm" table:align="left" fo:margin-bottom="3mm"/></style:style>' % n
                           for n in ("Head", "Addr", "Items"))
    doc = document("Musterbestellung", "\n".join(parts), ("de", "DE"), ("", ""),
                   "Musterbestellung – Beispiel, keine echte Bestellung · Seite ", with_header=False)
    return doc.replace(" </office:automatic-styles>", table_styles + "".join(extra_styles)
                       + "\n </office:automatic-styles>")


def main():
    with tempfile.TemporaryDirectory() as work:
        paths = [manual(work, "Bedienungsanleitung_D", ("de", "DE"), ("Zeichwerk", "Bedienungsanleitung"),
                        "Kelb Zeichwerk · Bedienungsanleitung · Seite "),
                 manual(work, "Bedienungsanleitung_GB", ("en", "GB"), ("Zeichwerk", "User manual"),
                        "Kelb Zeichwerk · User manual · Page ")]
        order_path = os.path.join(work, "Musterbestellung.fodt")
        with open(order_path, "w", encoding="utf-8") as f:
            f.write(order())
        convert(paths + [order_path])
    print("documents written to %s" % RESOURCES)


if __name__ == "__main__":
    main()
