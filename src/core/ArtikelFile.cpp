#include "base/AppError.h"
#include "base/Convert.h"
#include "base/TextFile.h"
#include "core/DataModule.h"
#include "platform/Platform.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace zw {

namespace {

const QString kWorkingCopy = QStringLiteral("open_Artikel.ini");

// The article file as an in-memory INI file: trimmed lines, ";" comments and
// blank lines skipped, names compared without regard to letter case, the first
// section and the first key of a name counting. Keys and values are views into
// the decoded text, so a file of 100,000 articles is read without a copy per line.
class ArticleIni {
public:
    explicit ArticleIni(QString text) : m_text(std::move(text)) { parse(); }

    qsizetype lineCount() const { return m_lineCount; }

    // The sections a read of `articles` articles leaves out: all but the
    // first "Anzahl" and the first "TArtikel_1" to "TArtikel_<articles>".
    qsizetype sectionsNotRead(qsizetype articles) const {
        qsizetype read = sectionNamed(QStringLiteral("anzahl")) ? 1 : 0;
        for (auto it = m_articleSections.cbegin(); it != m_articleSections.cend(); ++it)
            if (it.key() <= articles)
                ++read;
        return qsizetype(m_ranges.size()) - read;
    }

    QString readString(const QString& sectionName, const QString& key) const {
        const Range* r = sectionNamed(sectionName.toLower());
        if (!r)
            return {};
        for (qsizetype i = r->begin; i < r->end; ++i)
            if (m_entries[std::size_t(i)].key.compare(key, Qt::CaseInsensitive) == 0)
                return m_entries[std::size_t(i)].value.toString();
        return {};
    }

    // Fills the article's fields from section "TArtikel_" + k; missing keys leave fields empty.
    void readArticle(int k, TArtikel& a) {
        const Range* r = articleSection(k);
        if (!r)
            return;
        quint32 taken = 0;
        for (qsizetype i = r->begin; i < r->end; ++i) {
            const Entry& e = m_entries[std::size_t(i)];
            const int f = fieldOf(e.key, int(i - r->begin));
            if (f < 0 || (taken & (1u << f)))
                continue;
            taken |= 1u << f;
            a.field(f) = m_recent[std::size_t(f)].share(e.value);
        }
    }

private:
    struct Entry {
        QStringView key;
        QStringView value;
    };
    struct Range {
        qsizetype begin;
        qsizetype end;
    };

    // Flags, units, indexes and empty numbers repeat from article to article;
    // sharing the text of a recent equal value saves an allocation per field.
    class RecentValues {
    public:
        QString share(QStringView value) {
            if (value.isEmpty())
                return {};
            if (value.size() <= kShortValue) {
                for (const QString& v : m_values)
                    if (v == value)
                        return v;
            }
            QString v = value.toString();
            if (v.size() <= kShortValue) {
                m_values[m_next] = v;
                m_next = (m_next + 1) % m_values.size();
            }
            return v;
        }

    private:
        static constexpr qsizetype kShortValue = 16;
        std::array<QString, 4> m_values;
        std::size_t m_next = 0;
    };

    // Files we write hold the keys in table order, so the entry's position is tried first.
    static int fieldOf(QStringView key, int position) {
        if (position < TArtikel::FieldCount &&
            (key == TArtikel::key(position) || key.compare(TArtikel::key(position), Qt::CaseInsensitive) == 0))
            return position;
        for (int f = 0; f < TArtikel::FieldCount; ++f)
            if (key.compare(TArtikel::key(f), Qt::CaseInsensitive) == 0)
                return f;
        return -1;
    }

    // k of a section named "TArtikel_" + k (k written without leading zeros), else 0.
    static qsizetype articleNumber(QStringView name) {
        static const QString prefix = QStringLiteral("TArtikel_");
        if (!name.startsWith(prefix, Qt::CaseInsensitive) || name.size() == prefix.size() ||
            name[prefix.size()] == QLatin1Char('0'))
            return 0;
        qsizetype k = 0;
        for (const QChar c : name.sliced(prefix.size())) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9') || k > (qsizetype(1) << 40))
                return 0;
            k = k * 10 + (c.unicode() - u'0');
        }
        return k;
    }

    const Range* sectionNamed(const QString& lowerName) const {
        const auto it = m_sections.constFind(lowerName);
        return it == m_sections.constEnd() ? nullptr : &m_ranges[std::size_t(*it)];
    }

    const Range* articleSection(qsizetype k) const {
        const auto it = m_articleSections.constFind(k);
        return it == m_articleSections.constEnd() ? nullptr : &m_ranges[std::size_t(*it)];
    }

    void openSection(QStringView name) {
        const qsizetype index = qsizetype(m_ranges.size());
        m_ranges.push_back({qsizetype(m_entries.size()), qsizetype(m_entries.size())});
        m_open = true;
        // A repeated section name is read into a section that is never found.
        if (const qsizetype k = articleNumber(name); k > 0) {
            if (!m_articleSections.contains(k))
                m_articleSections.insert(k, index);
            return;
        }
        const QString lower = name.toString().toLower();
        if (!m_sections.contains(lower))
            m_sections.insert(lower, index);
    }

    void addLine(QStringView raw) {
        ++m_lineCount;
        const QStringView line = trimControl(raw);
        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            return;
        if (line.front() == QLatin1Char('[') && line.back() == QLatin1Char(']')) {
            closeSection();
            openSection(trimControl(line.sliced(1, line.size() - 2)));
            return;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!m_open || eq < 0)
            return;
        m_entries.push_back({trimControl(line.first(eq)), trimControl(line.sliced(eq + 1))});
    }

    void closeSection() {
        if (m_open)
            m_ranges.back().end = qsizetype(m_entries.size());
    }

    void parse() {
        forEachLine(m_text, [this](QStringView line, QStringView) { addLine(line); });
        closeSection();
    }

    QString m_text;
    std::vector<Entry> m_entries;
    std::vector<Range> m_ranges;
    QHash<qsizetype, qsizetype> m_articleSections; // k -> first section "TArtikel_" + k
    QHash<QString, qsizetype> m_sections;          // other sections: lower-case name -> first of that name
    std::array<RecentValues, TArtikel::FieldCount> m_recent;
    qsizetype m_lineCount = 0;
    bool m_open = false;
};

QString loadText(const QString& path, TextEncoding fallback) {
    QByteArray bytes;
    if (!readFileBytes(path, bytes))
        throw AppError(QStringLiteral("Cannot open file \"%1\".").arg(path));
    return decodeText(bytes, fallback).text;
}

// Counts beyond this bound and beyond the file's own line count cannot come from
// a real article file; creating that many empty articles would exhaust memory.
constexpr qsizetype kPlausibleArticleCount = 100000;

} // namespace

void TDataModule1::LeseArtikelINI() {
    TArtikelListe& list = myDaten.ArtikelListe;
    list.Clear();

    const QString current = ArtikelnummerPflegePfad + sAktArtikelliste;
    const QString workingCopy = ArtikelnummerPflegePfad + kWorkingCopy;
    QString text;
    if (platform().fileExists(current))
        text = loadText(current, TextEncoding::Utf8);
    else if (platform().fileExists(workingCopy))
        text = loadText(workingCopy, TextEncoding::Windows1252);
    ArticleIni ini(std::move(text));
    m_fileWithUnreadSections.clear();

    const QString count = ini.readString(QStringLiteral("Anzahl"), QStringLiteral("Anzahl"));
    writeLog(QStringLiteral("~~~~ COUNT: ") + count);
    const bool none = QString::compare(count, QStringLiteral("0"), Qt::CaseSensitive) <= 0;
    const int n = none ? 0 : strToInt(count);
    // The writer rewrites only what was read: sections beyond the count (added
    // by hand) would be lost with the next write unless the file is kept.
    if (ini.sectionsNotRead(n) > 0)
        m_fileWithUnreadSections = platform().fileExists(current) ? current : workingCopy;
    if (none)
        return;
    if (n > std::max(ini.lineCount(), kPlausibleArticleCount))
        throw AppError(QStringLiteral("'%1' is not a valid article count").arg(count));

    list.Reserve(n);
    for (int k = 1; k <= n; ++k) {
        auto a = std::make_unique<TArtikel>();
        ini.readArticle(k, *a);
        const QString logLine = QStringLiteral("~~~~ READING ARTICLE: ") + a->MaterialNr;
        list.Add(std::move(a));
        writeLog(logLine);
    }
}

void TDataModule1::SchreibeArtikelINI() {
    const TArtikelListe& list = myDaten.ArtikelListe;

    // Equal material numbers share a section, the later article winning; the
    // sections follow the numbers sorted without regard to letter case. Numbers
    // that differ only in letter case keep a section each, so neither is lost.
    QHash<QString, int> lastOf;
    slSorted.clear();
    for (int i = 0; i < list.Count(); ++i) {
        const QString& nr = list.Artikel(i).MaterialNr;
        auto it = lastOf.find(nr);
        if (it == lastOf.end()) {
            lastOf.insert(nr, i);
            slSorted.append(nr);
        } else {
            *it = i;
        }
    }
    // Folded once, so the sort compares plain code units.
    std::vector<std::pair<QString, qsizetype>> order;
    order.reserve(std::size_t(slSorted.size()));
    for (qsizetype i = 0; i < slSorted.size(); ++i)
        order.emplace_back(slSorted[i].toCaseFolded(), i);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList sorted;
    sorted.reserve(slSorted.size());
    for (const auto& o : order)
        sorted.append(slSorted[o.second]);
    slSorted = std::move(sorted);

    const QString path = ArtikelnummerPflegePfad + sAktArtikelliste;
    if (!platform().fileExists(path)) {
        slSorted.clear();
        return;
    }

    std::array<QString, TArtikel::FieldCount> keyPrefixes; // "MatNr=" ...
    for (int f = 0; f < TArtikel::FieldCount; ++f)
        keyPrefixes[std::size_t(f)] = TArtikel::key(f) + QLatin1Char('=');
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    text.reserve(qsizetype(slSorted.size()) * 640 + 64);
    text += QChar(0xFEFF); // the byte-order mark, so the encoding needs no second copy
    text += QStringLiteral("[Anzahl]\r\nAnzahl=") + QString::number(slSorted.size()) + crlf + crlf;
    for (qsizetype s = 0; s < slSorted.size(); ++s) {
        const TArtikel& a = list.Artikel(lastOf.value(slSorted[s]));
        text += QStringLiteral("[TArtikel_") + QString::number(s + 1) + QLatin1Char(']') + crlf;
        for (int f = 0; f < TArtikel::FieldCount; ++f) {
            text += keyPrefixes[std::size_t(f)];
            text += lineBreaksToBlanks(a.field(f));
            text += crlf;
        }
        text += crlf;
    }
    slSorted.clear();
    if (path == m_fileWithUnreadSections) {
        keepFileWithUnreadSections(path);
        m_fileWithUnreadSections.clear();
    }
    // Another workstation may take the file as its working copy while this one
    // writes; a new Artikel.ini beside it would strand that workstation's edits.
    replaceFileAtomically(path, text.toUtf8(), [&] { return platform().fileExists(path); });
}

void TDataModule1::keepFileWithUnreadSections(const QString& path) {
    const QString stem = path + QLatin1Char('.') + platform().now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString backup = stem + QStringLiteral(".bak");
    for (int n = 2; platform().fileExists(backup); ++n)
        backup = stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".bak");
    // QFile::copy never overwrites; a failed copy stops the write, so nothing is lost.
    if (!QFile::copy(path, backup))
        throw AppError(QStringLiteral("Cannot copy file \"%1\" to \"%2\".").arg(path, backup));
    writeLog(QStringLiteral("~~~~ SECTIONS NOT READ, PREVIOUS FILE KEPT: ") + backup);
}

} // namespace zw
