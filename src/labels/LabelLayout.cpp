#include "labels/LabelLayout.h"

#include "base/AppError.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSizeF>

#include <algorithm>
#include <cmath>
#include <functional>

namespace zw {

namespace {

constexpr double MmPerPoint = 25.4 / 72;
constexpr double MmPerTwip = 25.4 / 1440;
// Room for a barcode picture: today's are 2625 twips wide (175 pixels at 15
// twips), printer-resolution ones up to 2880 (406 pixels at 203 dpi).
constexpr int BarcodeRoomLong = 2880;
constexpr int BarcodeRoomShort = 375;
// The safety symbol, "KreisS.bmp": 40 x 40 pixels at 15 twips.
constexpr int SymbolRoom = 600;
// White before a barcode: ten modules is the least EAN-13 and Code 128 need.
constexpr double QuietZone = 180 * MmPerTwip;
// Exact line heights, relative to the font size: Arial's ascent and descent
// take 1.117 of it.
constexpr double LineFactor = 1.15;
constexpr double CaptionLineFactor = 1.25;
constexpr double Tolerance = 0.01;

QString number(double v) {
    return QString::number(v, 'f', 2);
}

// A JSON object whose keys are all read: a key nobody reads is a typo, and
// reported as such with the path to it.
class Node {
public:
    Node(const QJsonValue& value, QString path, const QString& source) : m_path(std::move(path)), m_source(source) {
        if (!value.isObject())
            fail(QStringLiteral("an object is expected"));
        m_object = value.toObject();
    }

    [[noreturn]] void fail(const QString& what) const { failAt(m_path, what); }
    [[noreturn]] void failAt(const QString& path, const QString& what) const {
        throw AppError(QStringLiteral("%1: %2: %3").arg(m_source, path.isEmpty() ? QStringLiteral("/") : path, what));
    }
    QString path(const QString& key) const { return m_path + QLatin1Char('/') + key; }
    const QString& source() const { return m_source; }

    bool has(const QString& key) const { return m_object.contains(key); }
    QJsonValue take(const QString& key) {
        m_used.insert(key);
        return m_object.value(key);
    }
    // The value of `key`, undefined when absent; one of another type is refused.
    QJsonValue typed(const QString& key, QJsonValue::Type type, const char* expected) {
        const QJsonValue v = take(key);
        if (!v.isUndefined() && v.type() != type)
            failAt(path(key), QStringLiteral("%1 is expected").arg(QLatin1String(expected)));
        return v;
    }
    double number(const QString& key, double fallback) {
        const QJsonValue v = typed(key, QJsonValue::Double, "a number");
        return v.isUndefined() ? fallback : v.toDouble();
    }
    double number(const QString& key) {
        if (!has(key))
            failAt(path(key), QStringLiteral("missing"));
        return number(key, 0);
    }
    int integer(const QString& key, int fallback) {
        const double v = number(key, fallback);
        if (v != std::floor(v))
            failAt(path(key), QStringLiteral("a whole number is expected"));
        return int(v);
    }
    QString string(const QString& key, const QString& fallback = {}) {
        const QJsonValue v = typed(key, QJsonValue::String, "a text");
        return v.isUndefined() ? fallback : v.toString();
    }
    bool boolean(const QString& key, bool fallback) {
        const QJsonValue v = typed(key, QJsonValue::Bool, "true or false");
        return v.isUndefined() ? fallback : v.toBool();
    }
    QJsonArray array(const QString& key) { return typed(key, QJsonValue::Array, "a list").toArray(); }
    // A pair of numbers such as [148, 105].
    std::pair<double, double> pair(const QString& key, std::pair<double, double> fallback) {
        if (!has(key)) {
            take(key);
            return fallback;
        }
        const QJsonArray a = array(key);
        if (a.size() != 2 || !a[0].isDouble() || !a[1].isDouble())
            failAt(path(key), QStringLiteral("two numbers are expected"));
        return {a[0].toDouble(), a[1].toDouble()};
    }
    template <class T> T choice(const QString& key, const std::vector<std::pair<const char*, T>>& choices, T fallback) {
        const QString s = string(key);
        if (s.isEmpty())
            return fallback;
        QStringList names;
        for (const auto& [name, value] : choices) {
            if (s == QLatin1String(name))
                return value;
            names << QLatin1String(name);
        }
        failAt(path(key), QStringLiteral("one of %1 is expected").arg(names.join(QStringLiteral(", "))));
    }

    // Fails on any key that was not read.
    void done() const {
        for (auto it = m_object.begin(); it != m_object.end(); ++it)
            if (!m_used.contains(it.key()))
                failAt(path(it.key()), QStringLiteral("unknown key"));
    }

private:
    QJsonObject m_object;
    QString m_path;
    const QString& m_source;
    QSet<QString> m_used;
};

// What a cell hands down to its paragraphs unless they say otherwise.
struct ParagraphDefaults {
    double pt = 8;
    bool bold = false;
    LayoutParagraph::Align align = LayoutParagraph::Align::Left;
    double li = 0.8;
    double ri = 0.8;
    double line = 0;
};

const std::vector<std::pair<const char*, LayoutParagraph::Align>> Alignments = {
    {"left", LayoutParagraph::Align::Left},
    {"centre", LayoutParagraph::Align::Centre},
    {"right", LayoutParagraph::Align::Right}};

void readParagraphStyle(Node& n, ParagraphDefaults& d) {
    d.pt = n.number(QStringLiteral("pt"), d.pt);
    d.bold = n.boolean(QStringLiteral("bold"), d.bold);
    d.align = n.choice(QStringLiteral("align"), Alignments, d.align);
    d.li = n.number(QStringLiteral("li"), d.li);
    d.ri = n.number(QStringLiteral("ri"), d.ri);
    d.line = n.number(QStringLiteral("line"), d.line);
}

LayoutRun readRun(const QJsonValue& v, const QString& path, const QString& source) {
    LayoutRun r;
    if (v.isString()) {
        r.text = v.toString();
        return r;
    }
    if (v.isDouble()) {
        r.kind = LayoutRun::Kind::Value;
        r.value = v.toInt();
        return r;
    }
    Node n(v, path, source);
    if (n.has(QStringLiteral("value"))) {
        r.kind = LayoutRun::Kind::Value;
        r.value = n.integer(QStringLiteral("value"), 0);
    } else {
        r.text = n.string(QStringLiteral("text"));
    }
    r.pt = n.number(QStringLiteral("pt"), 0);
    r.bold = n.boolean(QStringLiteral("bold"), false);
    r.white = n.boolean(QStringLiteral("white"), false);
    n.done();
    return r;
}

LayoutParagraph readParagraph(const QJsonValue& v, const ParagraphDefaults& d, const QString& path,
                              const QString& source) {
    LayoutParagraph p;
    p.pt = d.pt;
    p.bold = d.bold;
    p.align = d.align;
    p.li = d.li;
    p.ri = d.ri;
    p.line = d.line;
    if (v.isString() || v.isDouble()) {
        p.runs.push_back(readRun(v, path, source));
    } else {
        Node n(v, path, source);
        ParagraphDefaults own = d;
        readParagraphStyle(n, own);
        p.pt = own.pt;
        p.bold = own.bold;
        p.align = own.align;
        p.line = own.line;
        p.ri = own.ri;
        if (n.has(QStringLiteral("picture"))) {
            p.picture = n.integer(QStringLiteral("picture"), 0);
            p.shows = n.choice(QStringLiteral("shows"),
                               {{"row", LayoutParagraph::Picture::Row},
                                {"ean", LayoutParagraph::Picture::Ean},
                                {"symbol", LayoutParagraph::Picture::Symbol}},
                               LayoutParagraph::Picture::None);
            if (p.shows == LayoutParagraph::Picture::None)
                n.failAt(n.path(QStringLiteral("shows")), QStringLiteral("missing"));
            p.turned = n.boolean(QStringLiteral("turned"), false);
            // A barcode's quiet zone is its indent; a picture is 1 pt "text".
            p.pt = 1;
            p.li = n.number(QStringLiteral("li"), p.shows == LayoutParagraph::Picture::Symbol ? 0 : QuietZone);
            p.ri = n.number(QStringLiteral("ri"), 0);
        } else {
            p.li = own.li;
            if (n.has(QStringLiteral("runs"))) {
                const QJsonArray runs = n.array(QStringLiteral("runs"));
                for (qsizetype i = 0; i < runs.size(); ++i)
                    p.runs.push_back(readRun(runs[i], n.path(QStringLiteral("runs/%1").arg(i)), source));
            } else if (n.has(QStringLiteral("value"))) {
                p.runs.push_back({LayoutRun::Kind::Value, {}, n.integer(QStringLiteral("value"), 0)});
            } else {
                p.runs.push_back({LayoutRun::Kind::Text, n.string(QStringLiteral("text"))});
            }
            if (n.boolean(QStringLiteral("white"), false))
                for (LayoutRun& r : p.runs)
                    r.white = true;
        }
        p.sb = n.number(QStringLiteral("sb"), 0);
        p.sa = n.number(QStringLiteral("sa"), 0);
        p.wrap = n.integer(QStringLiteral("wrap"), 1);
        p.valueLines = n.integer(QStringLiteral("valueLines"), 1);
        p.maxLength = n.integer(QStringLiteral("max"), 0);
        p.widest = n.string(QStringLiteral("widest"));
        for (const QJsonValue f : n.array(QStringLiteral("fields")))
            p.fields << f.toString();
        n.done();
    }
    if (p.picture == 0 && p.line <= 0)
        p.line = p.pt * LineFactor;
    if (p.runs.empty() && p.picture == 0)
        throw AppError(QStringLiteral("%1: %2: an empty paragraph").arg(source, path));
    const bool hasValue =
        std::any_of(p.runs.begin(), p.runs.end(), [](const LayoutRun& r) { return r.kind == LayoutRun::Kind::Value; });
    if (hasValue && p.maxLength <= 0 && p.widest.isEmpty())
        throw AppError(QStringLiteral("%1: %2: a value needs \"max\" or \"widest\"").arg(source, path));
    return p;
}

void addLogo(LayoutCell& c, Node& n) {
    // The maker's mark: white letters on black, the label kind under it.
    const QString kind = n.string(QStringLiteral("logo"));
    const double pt = n.number(QStringLiteral("logoPt"), 16);
    const double kindPt = n.number(QStringLiteral("kindPt"), 6.5);
    c.black = true;
    c.valign = LayoutCell::VAlign::Centre;
    LayoutParagraph mark;
    mark.runs.push_back({LayoutRun::Kind::Text, QStringLiteral("KELB"), 0, 0, true, true});
    mark.pt = pt;
    mark.align = LayoutParagraph::Align::Centre;
    mark.sb = 0.6;
    mark.line = pt * 1.05;
    c.paragraphs.push_back(mark);
    if (!kind.isEmpty()) {
        LayoutParagraph k;
        k.runs.push_back({LayoutRun::Kind::Text, kind, 0, 0, false, true});
        k.pt = kindPt;
        k.align = LayoutParagraph::Align::Centre;
        k.line = kindPt * 1.2;
        c.paragraphs.push_back(k);
    }
}

LayoutCell readCell(Node& n, double captionPt) {
    LayoutCell c;
    c.width = n.number(QStringLiteral("width"));
    c.borders = n.string(QStringLiteral("borders"), c.borders);
    c.valign = n.choice(QStringLiteral("valign"),
                        {{"top", LayoutCell::VAlign::Top},
                         {"centre", LayoutCell::VAlign::Centre},
                         {"bottom", LayoutCell::VAlign::Bottom}},
                        c.valign);
    c.merge = n.choice(QStringLiteral("merge"),
                       {{"first", LayoutCell::Merge::First}, {"continued", LayoutCell::Merge::Continued}}, c.merge);
    if (n.has(QStringLiteral("logo")))
        addLogo(c, n);
    if (n.has(QStringLiteral("caption"))) {
        LayoutParagraph cap;
        cap.runs.push_back({LayoutRun::Kind::Text, n.string(QStringLiteral("caption"))});
        cap.pt = captionPt;
        cap.line = captionPt * CaptionLineFactor;
        cap.sb = 0.4;
        cap.caption = true;
        c.paragraphs.push_back(cap);
    }
    ParagraphDefaults d;
    readParagraphStyle(n, d);
    const QJsonArray lines = n.array(QStringLiteral("lines"));
    for (qsizetype i = 0; i < lines.size(); ++i)
        c.paragraphs.push_back(readParagraph(lines[i], d, n.path(QStringLiteral("lines/%1").arg(i)), n.source()));
    n.done();
    return c;
}

LayoutSheet readSheet(Node& n, const LabelLayout& label) {
    LayoutSheet s;
    s.file = n.string(QStringLiteral("file"));
    s.title = n.string(QStringLiteral("title"));
    if (s.file.isEmpty())
        n.failAt(n.path(QStringLiteral("file")), QStringLiteral("missing"));
    std::tie(s.paperWidth, s.paperHeight) = n.pair(QStringLiteral("paper"), {label.width, label.height});
    const auto grid = n.pair(QStringLiteral("grid"), {1, 1});
    s.columns = int(grid.first);
    s.rows = int(grid.second);
    std::tie(s.gapX, s.gapY) = n.pair(QStringLiteral("gap"), {0, 0});
    n.done();
    if (s.columns < 1 || s.rows < 1)
        n.fail(QStringLiteral("a grid of at least one label is expected"));
    if (s.columns * label.width + (s.columns - 1) * s.gapX > s.paperWidth + Tolerance ||
        s.rows * label.height + (s.rows - 1) * s.gapY > s.paperHeight + Tolerance)
        n.fail(QStringLiteral("the labels do not fit on the paper"));
    return s;
}

// The rows a first merged cell spans: it and the continued cells below it.
int mergedRows(const std::vector<LayoutRow>& rows, size_t row, size_t cell) {
    int n = 1;
    while (row + n < rows.size() && cell < rows[row + n].cells.size() &&
           rows[row + n].cells[cell].merge == LayoutCell::Merge::Continued)
        ++n;
    return n;
}

void checkLabel(const LabelLayout& l, const Node& n) {
    const double inner = l.innerWidth();
    for (size_t r = 0; r < l.rows.size(); ++r) {
        double total = 0;
        for (const LayoutCell& c : l.rows[r].cells)
            total += c.width;
        if (std::abs(total - inner) > Tolerance)
            n.failAt(
                n.path(QStringLiteral("rows/%1").arg(r)),
                QStringLiteral("the cells are %1 mm wide, the label's inside %2 mm").arg(number(total), number(inner)));
    }
    if (l.contentHeight() > l.height - 2 * l.margin + Tolerance)
        n.failAt(n.path(QStringLiteral("rows")), QStringLiteral("the rows are %1 mm high, the label's inside %2 mm")
                                                     .arg(number(l.contentHeight()), number(l.height - 2 * l.margin)));
    QSet<int> seen;
    for (size_t r = 0; r < l.rows.size(); ++r) {
        for (size_t c = 0; c < l.rows[r].cells.size(); ++c) {
            const LayoutCell& cell = l.rows[r].cells[c];
            const QString where = n.path(QStringLiteral("rows/%1/cells/%2").arg(r).arg(c));
            if (cell.merge == LayoutCell::Merge::Continued) {
                if (r == 0 || c >= l.rows[r - 1].cells.size() ||
                    l.rows[r - 1].cells[c].merge == LayoutCell::Merge::None)
                    n.failAt(where, QStringLiteral("a continued cell without a merged cell above"));
                if (!cell.paragraphs.empty())
                    n.failAt(where, QStringLiteral("a continued cell holds nothing of its own"));
                continue;
            }
            double height = 0;
            for (int k = 0; k < (cell.merge == LayoutCell::Merge::First ? mergedRows(l.rows, r, c) : 1); ++k)
                height += l.rows[r + k].height;
            double used = 0;
            for (const LayoutParagraph& p : cell.paragraphs) {
                used += p.height();
                const int ph = p.placeholder();
                if (ph < 1 || ph > 99) {
                    if (ph != 0)
                        n.failAt(where, QStringLiteral("placeholder %1 is not between 1 and 99").arg(ph));
                } else if (seen.contains(ph)) {
                    n.failAt(where, QStringLiteral("placeholder %1 stands twice on the label").arg(ph));
                } else {
                    seen.insert(ph);
                }
            }
            if (used > height + Tolerance)
                n.failAt(where, QStringLiteral("the paragraphs take %1 mm, the cell is %2 mm high")
                                    .arg(number(used), number(height)));
        }
    }
}

LabelLayout readLabel(Node& n, const QString& kind, double captionPt) {
    LabelLayout l;
    l.kind = kind;
    l.id = n.string(QStringLiteral("id"), kind);
    std::tie(l.width, l.height) = n.pair(QStringLiteral("size"), {0, 0});
    l.margin = n.number(QStringLiteral("margin"), 0);
    l.frame = n.boolean(QStringLiteral("frame"), true);
    captionPt = n.number(QStringLiteral("captionPt"), captionPt);
    if (l.width <= 0 || l.height <= 0)
        n.failAt(n.path(QStringLiteral("size")), QStringLiteral("a width and a height are expected"));
    const QJsonArray rows = n.array(QStringLiteral("rows"));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        Node row(rows[r], n.path(QStringLiteral("rows/%1").arg(r)), n.source());
        LayoutRow lr;
        lr.height = row.number(QStringLiteral("height"));
        const QJsonArray cells = row.array(QStringLiteral("cells"));
        for (qsizetype c = 0; c < cells.size(); ++c) {
            Node cell(cells[c], row.path(QStringLiteral("cells/%1").arg(c)), n.source());
            lr.cells.push_back(readCell(cell, captionPt));
        }
        row.done();
        l.rows.push_back(std::move(lr));
    }
    const QJsonArray sheets = n.array(QStringLiteral("sheets"));
    for (qsizetype s = 0; s < sheets.size(); ++s) {
        Node sheet(sheets[s], n.path(QStringLiteral("sheets/%1").arg(s)), n.source());
        l.sheets.push_back(readSheet(sheet, l));
    }
    if (l.sheets.empty())
        n.failAt(n.path(QStringLiteral("sheets")), QStringLiteral("at least one template is expected"));
    n.done();
    checkLabel(l, n);
    return l;
}

} // namespace

int LayoutParagraph::placeholder() const {
    if (picture)
        return picture;
    for (const LayoutRun& r : runs)
        if (r.kind == LayoutRun::Kind::Value)
            return r.value;
    return 0;
}

QString LayoutParagraph::widestValue() const {
    const QString oneLine = widest.isEmpty() ? QString(maxLength, QLatin1Char('W')) : widest;
    QStringList lines;
    for (int i = 0; i < valueLines; ++i)
        lines << oneLine;
    return lines.join(QStringLiteral("\r\n"));
}

double LayoutParagraph::height() const {
    if (picture)
        return sb + pictureSize().height() + sa;
    return sb + lineHeightMm() * wrap * valueLines + sa;
}

QSizeF LayoutParagraph::pictureSize() const {
    if (shows == Picture::Symbol)
        return QSizeF(SymbolRoom, SymbolRoom) * MmPerTwip;
    const QSizeF room = QSizeF(BarcodeRoomLong, BarcodeRoomShort) * MmPerTwip;
    return turned ? room.transposed() : room;
}

double LabelLayout::contentHeight() const {
    double h = 0;
    for (const LayoutRow& r : rows)
        h += r.height;
    return h;
}

std::vector<LayoutCellSpot> LabelLayout::cells() const {
    std::vector<LayoutCellSpot> out;
    double y = margin;
    for (size_t r = 0; r < rows.size(); ++r) {
        double x = margin;
        for (size_t c = 0; c < rows[r].cells.size(); ++c) {
            const LayoutCell& cell = rows[r].cells[c];
            double height = rows[r].height;
            if (cell.merge == LayoutCell::Merge::First)
                for (int k = 1; k < mergedRows(rows, r, c); ++k)
                    height += rows[r + k].height;
            if (cell.merge != LayoutCell::Merge::Continued)
                out.push_back({&cell, QRectF(x, y, cell.width, height)});
            x += cell.width;
        }
        y += rows[r].height;
    }
    return out;
}

std::vector<LayoutSpot> LabelLayout::spots() const {
    std::vector<LayoutSpot> out;
    for (const LayoutCellSpot& c : cells()) {
        double used = 0;
        for (const LayoutParagraph& p : c.cell->paragraphs)
            used += p.height();
        double top = c.rect.top();
        if (c.cell->valign == LayoutCell::VAlign::Centre)
            top += (c.rect.height() - used) / 2;
        else if (c.cell->valign == LayoutCell::VAlign::Bottom)
            top += c.rect.height() - used;
        for (const LayoutParagraph& p : c.cell->paragraphs) {
            const QRectF rect(c.rect.left(), top, c.rect.width(), p.height());
            const QRectF between(rect.left() + p.li, top + p.sb, rect.width() - p.li - p.ri, p.height() - p.sb - p.sa);
            QRectF value = between;
            if (p.picture) {
                value.setSize(p.pictureSize());
                if (p.align == LayoutParagraph::Align::Centre)
                    value.moveLeft(between.center().x() - value.width() / 2);
            }
            out.push_back({&p, c.rect, rect, value});
            top += p.height();
        }
    }
    return out;
}

LayoutSpot LabelLayout::spotOfPlaceholder(int placeholder) const {
    for (const LayoutSpot& s : spots())
        if (s.paragraph->placeholder() == placeholder)
            return s;
    return {nullptr, {}, {}, {}};
}

LayoutSpot LabelLayout::spotOfField(const QString& field) const {
    for (const LayoutSpot& s : spots())
        if (s.paragraph->fields.contains(field))
            return s;
    return {nullptr, {}, {}, {}};
}

std::vector<int> LabelLayout::placeholders() const {
    std::vector<int> out;
    for (const LayoutSpot& s : spots())
        if (s.paragraph->placeholder())
            out.push_back(s.paragraph->placeholder());
    std::sort(out.begin(), out.end());
    return out;
}

QPointF LabelLayout::origin(const LayoutSheet& sheet, int column, int row) const {
    const double usedX = sheet.columns * width + (sheet.columns - 1) * sheet.gapX;
    const double usedY = sheet.rows * height + (sheet.rows - 1) * sheet.gapY;
    return {(sheet.paperWidth - usedX) / 2 + column * (width + sheet.gapX),
            (sheet.paperHeight - usedY) / 2 + row * (height + sheet.gapY)};
}

std::vector<LabelLayout> readLabelLayouts(const QByteArray& json, const QString& source) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (doc.isNull())
        throw AppError(QStringLiteral("%1: offset %2: %3").arg(source).arg(error.offset).arg(error.errorString()));
    Node top(doc.object(), QString(), source);
    const QString kind = top.string(QStringLiteral("kind"));
    if (kind.isEmpty())
        top.failAt(top.path(QStringLiteral("kind")), QStringLiteral("missing"));
    const double captionPt = top.number(QStringLiteral("captionPt"), 5.5);
    std::vector<LabelLayout> out;
    const QJsonArray labels = top.array(QStringLiteral("labels"));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        Node label(labels[i], top.path(QStringLiteral("labels/%1").arg(i)), source);
        out.push_back(readLabel(label, kind, captionPt));
    }
    top.done();
    if (out.empty())
        top.failAt(top.path(QStringLiteral("labels")), QStringLiteral("at least one label is expected"));
    return out;
}

const std::vector<LabelLayout>& labelLayouts() {
    static const std::vector<LabelLayout> all = [] {
        std::vector<LabelLayout> layouts;
        QStringList files;
        for (QDirIterator it(QStringLiteral(":/layouts"), {QStringLiteral("*.json")}); it.hasNext();)
            files << it.next();
        files.sort();
        QSet<QString> ids;
        for (const QString& path : files) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                throw AppError(QStringLiteral("%1: cannot be read").arg(path));
            for (LabelLayout& l : readLabelLayouts(f.readAll(), path)) {
                if (ids.contains(l.id))
                    throw AppError(QStringLiteral("%1: the layout %2 is described twice").arg(path, l.id));
                ids.insert(l.id);
                layouts.push_back(std::move(l));
            }
        }
        return layouts;
    }();
    return all;
}

const LabelLayout& labelLayout(const QString& id) {
    for (const LabelLayout& l : labelLayouts())
        if (l.id == id)
            return l;
    throw AppError(QStringLiteral("no label layout %1").arg(id));
}

} // namespace zw
