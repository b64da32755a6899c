#!/usr/bin/env python3
"""Writes the label templates resources/Vorlage*.rtf.

Every label is a table of boxes; a sheet repeats the label in a grid, so a
4-up or 8-up template holds every placeholder once per label. The RTF stays
plain and hand-readable: one control line per row definition, one line per
cell, ANSI text in code page 1252 with \\'xx escapes for umlauts.

Placeholders ("@" and two digits) are written as one unbroken run of text
inside their own group, so the label builder finds them; barcode pictures get
paragraph indents and spacing that keep a quiet zone between the picture and
any table line.

Run from anywhere: python3 tools/resources/make_templates.py
"""

import os
import sys

TWIPS_PER_MM = 1440 / 25.4

# Barcode pictures are 175 x 25 pixels at 15 twips per pixel (96 dpi).
PICTURE_LONG = 175 * 15
PICTURE_SHORT = 25 * 15
# Ten modules (pixels) of white are the least EAN-13 and Code 128 need.
QUIET_ZONE = 12 * 15

# Thin lines between boxes, a heavier one around the label.
LINE = 8
FRAME = 15


def tw(mm):
    return round(mm * TWIPS_PER_MM)


def text(s):
    """Static label text as RTF: cp1252 bytes, \\'xx for everything past ASCII."""
    out = []
    for ch in s:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif 32 <= ord(ch) < 127:
            out.append(ch)
        else:
            out.append("\\'%02x" % ch.encode("cp1252")[0])
    return "".join(out)


def ph(number):
    """A placeholder, unbroken, in a group of its own."""
    assert 1 <= number <= 99
    return "@%02d" % number


class Run:
    def __init__(self, body, pt=None, bold=False, color=None, raw=False):
        self.body = body if raw else text(body)
        self.pt, self.bold, self.color = pt, bold, color

    def rtf(self):
        codes = ""
        if self.pt:
            codes += "\\fs%d" % round(self.pt * 2)
        if self.bold:
            codes += "\\b"
        if self.color:
            codes += "\\cf%d" % self.color
        return "{%s %s}" % (codes, self.body) if codes else self.body


def T(s, pt=None, bold=False, color=None):
    return Run(s, pt, bold, color)


def P(number, pt=None, bold=False):
    return Run(ph(number), pt, bold, raw=True)


TAB = Run("\\tab ", raw=True)


class Para:
    """One paragraph of a cell. Sizes in points, distances in millimetres."""

    def __init__(self, *runs, pt=8, align="l", li=0.8, ri=0.8, fi=0.0, sb=0.0, sa=0.0, line=None, li_tw=None,
                 tabs=()):
        self.runs, self.pt, self.align = runs, pt, align
        self.li = li_tw if li_tw is not None else tw(li)
        self.ri, self.fi, self.sb, self.sa, self.line, self.tabs = tw(ri), tw(fi), tw(sb), tw(sa), line, tabs

    def rtf(self):
        codes = "\\pard\\intbl\\q%s\\li%d\\ri%d" % (self.align, self.li, self.ri)
        if self.fi:
            codes += "\\fi%d" % self.fi
        codes += "\\sb%d\\sa%d" % (self.sb, self.sa)
        if self.line:
            # Exact line height keeps fixed-height rows predictable.
            codes += "\\sl-%d\\slmult0" % round(self.line * 20)
        for t in self.tabs:
            codes += "\\tx%d" % tw(t)
        codes += "\\plain\\f0\\fs%d" % round(self.pt * 2)
        return codes + " " + "".join(r.rtf() for r in self.runs)


def picture(number, sb=1.2, sa=0.6, left=QUIET_ZONE):
    """A paragraph for a barcode picture: the quiet zone is the left indent."""
    return Para(Run(ph(number), raw=True), pt=1, li_tw=left, ri=0, sb=sb, sa=sa)


class Cell:
    def __init__(self, width, *paras, lines="tlbr", valign="t", shade=None, vmerge=None):
        self.width, self.paras, self.lines = width, paras, lines
        self.valign, self.shade, self.vmerge = valign, shade, vmerge


class Row:
    def __init__(self, height, *cells):
        self.height, self.cells = height, cells


class Label:
    def __init__(self, width, height, margin, rows, frame=True):
        self.width, self.height, self.margin, self.rows, self.frame = width, height, margin, rows, frame
        inner = width - 2 * margin
        for r in rows:
            total = sum(c.width for c in r.cells)
            if abs(total - inner) > 0.01:
                sys.exit("row of %.2f mm in a label %.2f mm wide" % (total, inner))
        used = sum(r.height for r in rows)
        if used > height - 2 * margin + 0.01:
            sys.exit("rows of %.2f mm in a label %.2f mm high" % (used, height - 2 * margin))


class Sheet:
    """Paper size in millimetres; the labels sit in a centred grid."""

    def __init__(self, paper_w, paper_h, cols, rows, gap_x=0.0, gap_y=0.0):
        self.paper_w, self.paper_h, self.cols, self.rows = paper_w, paper_h, cols, rows
        self.gap_x, self.gap_y = gap_x, gap_y


def spacer_row(height_mm, width_mm):
    return ("\\trowd\\trgaph0\\trleft0\\trrh-%d\n\\cellx%d\n\\pard\\intbl\\plain\\f0\\fs2 \\cell\\row\n"
            % (tw(height_mm), tw(width_mm)))


def cell_definition(cell, right_tw, edges, frame):
    codes = "\\clvertal%s" % cell.valign
    if cell.vmerge:
        codes += "\\clvmgf" if cell.vmerge == "first" else "\\clvmrg"
    for side in "tlbr":
        width = FRAME if (frame and side in edges) else (LINE if side in cell.lines else 0)
        if width:
            codes += "\\clbrdr%s\\brdrs\\brdrw%d" % (side, width)
    if cell.shade:
        codes += "\\clcbpat%d" % cell.shade
    return codes + "\\cellx%d" % right_tw


def cell_content(cell):
    if cell.vmerge == "cont":
        return "\\pard\\intbl\\plain\\f0\\fs2 \\cell"
    return "\n".join(p.rtf() for p in cell.paras) .replace("\n\\pard", "\\par\n\\pard") + "\\cell"


def sheet_rows(label, sheet):
    width_used = sheet.cols * label.width + (sheet.cols - 1) * sheet.gap_x
    height_used = sheet.rows * label.height + (sheet.rows - 1) * sheet.gap_y
    off_x = (sheet.paper_w - width_used) / 2
    off_y = (sheet.paper_h - height_used) / 2
    content_h = sum(r.height for r in label.rows)
    out = []
    if off_y + label.margin > 0.01:
        out.append(spacer_row(off_y + label.margin, sheet.paper_w))
    for grid_row in range(sheet.rows):
        for index, row in enumerate(label.rows):
            defs, contents = [], []
            x = 0.0
            for col in range(sheet.cols):
                left = off_x + col * (label.width + sheet.gap_x) + label.margin
                if left - x > 0.01:
                    defs.append("\\cellx%d" % tw(left))
                    contents.append("\\pard\\intbl\\plain\\f0\\fs2 \\cell")
                x = left
                for ci, cell in enumerate(row.cells):
                    x += cell.width
                    edges = ""
                    if index == 0:
                        edges += "t"
                    if index == len(label.rows) - 1:
                        edges += "b"
                    if ci == 0:
                        edges += "l"
                    if ci == len(row.cells) - 1:
                        edges += "r"
                    defs.append(cell_definition(cell, tw(x), edges, label.frame))
                    contents.append(cell_content(cell))
            # Every row reaches the paper's right edge; a shorter row would have
            # its last box stretched to the table's width.
            if sheet.paper_w - x > 0.01:
                defs.append("\\cellx%d" % tw(sheet.paper_w))
                contents.append("\\pard\\intbl\\plain\\f0\\fs2 \\cell")
            out.append("\\trowd\\trgaph0\\trleft0\\trrh-%d\n%s\n%s\n\\row\n"
                       % (tw(row.height), "\n".join(defs), "\n".join(contents)))
        if grid_row < sheet.rows - 1:
            gap = label.height - label.margin - content_h + sheet.gap_y + label.margin
            out.append(spacer_row(gap, sheet.paper_w))
    return out


def document(title, label, sheet):
    landscape = "\\landscape" if sheet.paper_w > sheet.paper_h else ""
    head = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\n"
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
            # A tiny default size keeps empty paragraphs (after the table, in
            # spacer cells) from pushing a full label sheet onto a second page.
            "{\\stylesheet{\\ql\\f0\\fs2 Normal;}}\n"
            "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green255\\blue255;}\n"
            "{\\info{\\title %s}{\\author Zeichwerk}}\n"
            "\\paperw%d\\paperh%d\\margl0\\margr0\\margt0\\margb0%s\n"
            "\\widowctrl0\\viewkind1\\sectd\\sbknone\n"
            % (text(title), tw(sheet.paper_w), tw(sheet.paper_h), landscape))
    body = "".join(sheet_rows(label, sheet))
    # The closing paragraph is tiny: it takes the slack below the last label,
    # so a full sheet never spills onto a second page.
    return head + body + "\\pard\\plain\\f0\\fs2\\par\n}\n"


BLACK, WHITE = 1, 2


def logo(width, kind, pt=16, kind_pt=6.5, lines="tlbr"):
    """The maker's mark: white letters on black, the label kind under it."""
    paras = [Para(T("KELB", pt, bold=True, color=WHITE), pt=pt, align="c", sb=0.6, line=pt * 1.05)]
    if kind:
        paras.append(Para(T(kind, kind_pt, color=WHITE), pt=kind_pt, align="c", line=kind_pt * 1.2))
    return Cell(width, *paras, lines=lines, valign="c", shade=BLACK)


def box(width, caption, *values, pt=10, bold=False, cap_pt=5.5, lines="tlbr", valign="t", align="l", line=None):
    """A captioned field: a small caption over one or more value lines."""
    paras = [Para(T(caption, cap_pt), pt=cap_pt, sb=0.4, line=cap_pt * 1.25)]
    for v in values:
        paras.append(Para(*(v if isinstance(v, tuple) else (v,)), pt=pt, align=align, line=line))
        if bold:
            for r in paras[-1].runs:
                r.bold = True
    return Cell(width, *paras, lines=lines, valign=valign)


# ---------------------------------------------------------------------------
# Container labels: A6 landscape, 148 x 105 mm; four make an A4 sheet.

CONTAINER_W, CONTAINER_H, CONTAINER_M = 148.0, 105.0, 4.0


def barcode_boxes(pic, digits, ean_pic, ean_digits, height):
    """Code 128 C of the digit row beside the EAN-13, each with its text."""
    return Row(height,
               Cell(70, Para(T("Barcode", 5.5), pt=5.5, sb=0.4, line=6.9),
                    picture(pic, sb=1.6, sa=0.8),
                    Para(P(digits), pt=8, li_tw=QUIET_ZONE, line=9.5)),
               Cell(70, Para(T("EAN 13", 5.5), pt=5.5, sb=0.4, line=6.9),
                    picture(ean_pic, sb=1.6, sa=0.8),
                    Para(P(ean_digits), pt=8, li_tw=QUIET_ZONE, line=9.5)))


def inspection_row(date, inspector, height):
    return Row(height,
               Cell(58, Para(T("Qualit\u00e4tspr\u00fcfung", 5.5), pt=5.5, sb=0.4, line=6.9),
                    Para(T("Ware gepr\u00fcft und"), pt=9, sb=0.6, line=11),
                    Para(T("zur Lieferung freigegeben"), pt=9, line=11)),
               box(34, "Pr\u00fcfdatum", P(date), pt=11, valign="t"),
               box(48, "Pr\u00fcfer", P(inspector), pt=11))


def designation_row(kind, first, second, symbols, height, pt=13):
    return Row(height,
               logo(28, kind),
               box(84, "Benennung", P(first), P(second), pt=pt, bold=True, line=pt * 1.12),
               *symbols)


def material_row():
    """Material number, quantity with unit and supplier number: values 05 to 07 of both article labels."""
    return Row(14, box(58, "Material-Nr.", P(5), pt=18, bold=True),
               box(36, "Menge", P(6), pt=14, bold=True),
               box(46, "Lieferanten-Nr.", P(7), pt=12))


def supplier_row(number, height=12):
    """The free supplier field, the last line of a container label."""
    return Row(height, box(140, "Lieferant", P(number), pt=11))


def symbol_cells(mark, safety):
    return (Cell(14, Para(P(mark, bold=True), pt=12, align="c"), lines="tb", valign="c"),
            Cell(14, Para(P(safety), pt=1, align="c", li=0, ri=0), lines="tbr", valign="c"))


def lagerteil():
    rows = [
        designation_row("Lagerteil", 1, 2, symbol_cells(13, 17), 17),
        material_row(),
        Row(12, box(58, "Dokument-Nr.", P(3), pt=11),
            box(18, "Ausgabe", P(4), pt=11),
            box(64, "Lagerplatz", P(12), pt=13, bold=True)),
        barcode_boxes(8, 9, 10, 11, 21),
        inspection_row(14, 15, 15),
        supplier_row(16),
    ]
    return Label(CONTAINER_W, CONTAINER_H, CONTAINER_M, rows)


def auftragsteil():
    rows = [
        # The order-related form allows a longer designation: 13 + 39 characters.
        designation_row("Auftragsteil", 1, 2, symbol_cells(14, 18), 17, pt=11),
        material_row(),
        Row(12, box(46, "Dokument-Nr.", P(3), pt=11),
            box(16, "Ausgabe", P(4), pt=11),
            box(52, "Kundenauftrag", P(12), pt=13, bold=True),
            box(26, "Pos.", P(13), pt=13, bold=True)),
        barcode_boxes(8, 9, 10, 11, 21),
        inspection_row(15, 16, 15),
        supplier_row(17),
    ]
    return Label(CONTAINER_W, CONTAINER_H, CONTAINER_M, rows)


def sonderteil():
    rows = [
        Row(18, logo(28, "Sonderteil"),
            box(98, "Benennung", P(1), P(2), pt=12, bold=True, line=13.5),
            Cell(14, Para(P(11, bold=True), pt=12, align="c"), valign="c")),
        Row(14, box(46, "Bestell-Nr.", P(3), pt=13, bold=True),
            box(24, "Pos.", P(4), pt=13, bold=True),
            box(46, "Kundenauftrag", P(5), pt=13, bold=True),
            box(24, "Pos.", P(6), pt=13, bold=True)),
        Row(14, box(30, "Lieferanten-Nr.", P(7), pt=12),
            box(30, "Menge", P(8), pt=13, bold=True),
            box(80, "Ger\u00e4tetyp", P(9), pt=11)),
        Row(17, box(140, "Lagerplatz", P(10), pt=18, bold=True)),
        inspection_row(12, 13, 15),
        supplier_row(14, height=13),
    ]
    return Label(CONTAINER_W, CONTAINER_H, CONTAINER_M, rows)


# ---------------------------------------------------------------------------
# Type plates: height x width 96 x 135, 57 x 80 and 34 x 60 mm.


class PlateSize:
    """Dimensions of one type plate size; lengths in mm, font sizes in points."""

    def __init__(self, w, h, margin, logo_w, logo_pt, mat_pt, cap_pt, head_h, memo_pt, memo_h, code_h, code_sb,
                 small_pt, foot_h):
        self.__dict__.update({k: v for k, v in locals().items() if k != "self"})


# Seven memo lines must fit: memo_h >= 7 * memo_pt * 1.18 pt.
PLATE_LARGE = PlateSize(135, 96, 3, 30, 18, 20, 8.5, 16, 12, 46, 16, 1.6, 9, 9)
PLATE_SMALL = PlateSize(80, 57, 2, 18, 10.5, 13, 6, 9, 6.5, 20, 11, 1.0, 6.5, 5.5)
PLATE_TINY = PlateSize(60, 34, 1.2, 12, 7, 8.5, 4.5, 5.2, 4.3, 12.5, 9.3, 0.4, 4.8, 3.4)


def typenschild(s):
    inner = s.w - 2 * s.margin
    code_w = (PICTURE_LONG + QUIET_ZONE) / TWIPS_PER_MM + 2.0
    foot_line = s.small_pt * 1.15
    rows = [
        Row(s.head_h, logo(s.logo_w, None, pt=s.logo_pt),
            Cell(inner - s.logo_w,
                 Para(T("Mat.-Nr. ", s.cap_pt), P(1, s.mat_pt, bold=True), pt=s.mat_pt, li=1.5),
                 valign="c")),
        Row(s.memo_h, Cell(inner, Para(P(2), pt=s.memo_pt, li=1.5, line=s.memo_pt * 1.18), valign="c")),
        Row(s.code_h,
            Cell(code_w, picture(3, sb=s.code_sb, sa=0.2),
                 Para(P(5), pt=s.small_pt, li_tw=QUIET_ZONE, line=foot_line), lines="tb"),
            Cell(inner - code_w, Para(P(4), pt=s.small_pt * 1.25, align="c", li=0.2, ri=0.2), lines="tb",
                 valign="c")),
        Row(s.foot_h, Cell(inner * 0.75, Para(P(10), pt=s.small_pt, li=1.5, line=foot_line), lines="", valign="c"),
            Cell(inner * 0.25, Para(P(6), pt=s.small_pt, align="r", ri=1.0, line=foot_line), lines="",
                 valign="c")),
    ]
    return Label(s.w, s.h, s.margin, rows)


# ---------------------------------------------------------------------------
# Spare parts and accessories: a carton label (A6 landscape, turned barcodes
# on its right edge) and a bag label (105 x 74 mm, eight make an A4 sheet).

LANGUAGES = ["", "GB", "FR", "ES", "RU", ""]


def language_rows(height_each, text_w, pt, trailing_cells=lambda i: ()):
    """The six article texts, one row each; a text that wraps keeps its indent."""
    rows = []
    indent = pt * 0.75
    for i, mark in enumerate(LANGUAGES):
        lines = "lr" + ("t" if i == 0 else "") + ("b" if i == len(LANGUAGES) - 1 else "")
        cell = Cell(text_w,
                    Para(T(mark, pt * 0.75, bold=True), TAB, P(2 + i, pt, bold=(i == 0)), pt=pt, li=1 + indent,
                         fi=-indent, line=pt * 1.2, tabs=(1 + indent,)),
                    lines=lines, valign="c")
        rows.append(Row(height_each, cell, *trailing_cells(i)))
    return rows


def ersatzteil_karton():
    pic_w = 13.0
    text_w = 140 - 2 * pic_w

    def turned(i):
        # The turned pictures span all six text lines; their bars begin at the top.
        merge = "first" if i == 0 else "cont"
        return (Cell(pic_w, picture(8, sb=3.0, sa=0, left=tw(3.2)), lines="tb", vmerge=merge),
                Cell(pic_w, picture(13, sb=3.0, sa=0, left=tw(3.2)), lines="tb", vmerge=merge))

    rows = [
        Row(19, logo(26, "Ersatzteil / Zubeh\u00f6r"),
            box(114, "Material-Nr.", P(1), pt=22, bold=True)),
        *language_rows(10, text_w, 8, turned),
        Row(14, box(40, "EAN", P(9), pt=10), box(50, "Barcode", P(15), pt=10),
            box(20, "Kennung", P(14), pt=10), box(30, "Energieeffizienz", P(16), pt=10)),
    ]
    return Label(CONTAINER_W, CONTAINER_H, CONTAINER_M, rows)


BAG_W, BAG_H, BAG_M = 105.0, 74.25, 2.5


def ersatzteil_beutel():
    inner = BAG_W - 2 * BAG_M
    half = inner / 2
    rows = [
        Row(12.5, logo(20, "Ersatzteil", pt=12, kind_pt=5),
            box(inner - 20, "Material-Nr.", P(1), pt=16, bold=True)),
        *language_rows(5.0, inner, 6.8),
        Row(10.5, Cell(half, picture(8, sb=1.6, sa=0.3), lines="t"),
            Cell(half, picture(13, sb=1.6, sa=0.3), lines="t")),
        Row(4.5, Cell(half, Para(P(9), pt=7.5, li_tw=QUIET_ZONE), lines=""),
            Cell(half, Para(P(15), pt=7.5, li_tw=QUIET_ZONE), lines="")),
        Row(7.0, box(half, "Kennung", P(14), pt=8, cap_pt=4.5),
            box(half, "Energieeffizienz", P(16), pt=8, cap_pt=4.5)),
    ]
    return Label(BAG_W, BAG_H, BAG_M, rows)


# ---------------------------------------------------------------------------

A4 = (210.0, 297.0)
A4Q = (297.0, 210.0)
A5Q = (210.0, 148.5)
A6Q = (148.5, 105.0)


def single(label):
    return Sheet(label.width, label.height, 1, 1)


TEMPLATES = []


def template(name, title, label, sheet):
    TEMPLATES.append((name, title, label, sheet))


def build_all():
    container = [("Lagerteil", lagerteil()), ("Auftragsteil", auftragsteil()), ("Sonderteil", sonderteil())]
    for kind, label in container:
        template("Vorlage%s_1fach.rtf" % kind, "Gebinde - %s" % kind, label, single(label))
        template("Vorlage%s_4fach.rtf" % kind, "Gebinde - %s, 4 je Blatt" % kind, label, Sheet(*A4Q, 2, 2))

    plates = [("", PLATE_LARGE, Sheet(*A4Q, 2, 2, 10, 6)),
              ("_klein", PLATE_SMALL, Sheet(*A5Q, 2, 2, 8, 8)),
              ("_sehrklein", PLATE_TINY, Sheet(*A6Q, 2, 2, 6, 6))]
    for suffix, size, sheet in plates:
        label = typenschild(size)
        name = "Typenschild %d x %d mm" % (size.h, size.w)
        template("VorlageEinzelteil_1fach%s.rtf" % suffix, name, label, single(label))
        template("VorlageEinzelteil_4fach%s.rtf" % suffix, name + ", 4 je Blatt", label, sheet)

    karton = ersatzteil_karton()
    template("VorlageErsatzteilKarton_1fach.rtf", "Ersatzteil - Karton", karton, single(karton))
    template("VorlageErsatzteilKarton_4fach.rtf", "Ersatzteil - Karton, 4 je Blatt", karton, Sheet(*A4Q, 2, 2))
    beutel = ersatzteil_beutel()
    template("VorlageErsatzteilBeutel_1fach.rtf", "Ersatzteil - Beutel", beutel, single(beutel))
    template("VorlageErsatzteilBeutel_4fach.rtf", "Ersatzteil - Beutel, 4 je Blatt", beutel, Sheet(*A5Q, 2, 2))
    template("VorlageErsatzteilBeutel_8fach.rtf", "Ersatzteil - Beutel, 8 je Blatt", beutel, Sheet(*A4, 2, 4))


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "resources")
    build_all()
    for name, title, label, sheet in TEMPLATES:
        with open(os.path.join(out_dir, name), "w", encoding="ascii", newline="\r\n") as f:
            f.write(document(title, label, sheet))
    print("%d templates written to %s" % (len(TEMPLATES), os.path.normpath(out_dir)))


if __name__ == "__main__":
    main()
