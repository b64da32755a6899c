#include "labeldoc/RTFGebindeObjekt.h"

#include "base/AppError.h"
#include "base/TextFile.h"
#include "core/DataModule.h"
#include "core/OpenFailure.h"
#include "core/Settings.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace zw {

namespace {

// The start of every picture group the builder writes; its picture-type word follows.
const QLatin1String PictureGroupStart("{\\pict");

// Deletes the existing document unless it is held by the word processor. On this
// platform an open file can still be deleted, so LibreOffice's lock file beside it
// marks it as held as well; a held document is never touched.
bool deleteUnlessHeld(const QString& path) {
    const QFileInfo info(path);
    const QString lockFile = info.path() + QStringLiteral("/.~lock.") + info.fileName() + QLatin1Char('#');
    if (platform().fileExists(lockFile))
        return false;
    return platform().deleteFile(path);
}

// The base name, else the numbered names 1 to 98: the first that is free or
// whose file could be deleted.
QString chooseOutputFile(const QString& folder, const QString& baseName) {
    QString name = folder + baseName + QStringLiteral(".rtf");
    for (int counter = 1;; ++counter) {
        if (!platform().fileExists(name) || deleteUnlessHeld(name))
            return name;
        name = folder + baseName + QString::number(counter) + QStringLiteral(".rtf");
        if (counter + 1 >= 100)
            throw AppError(QStringLiteral("Fehler bei der Dateierstellung"));
    }
}

// Every occurrence of `key` ("@" and two characters), letter case ignored, left
// to right; the inserted text is not searched again. No other character folds
// to "@", so the search looks for the "@" alone and compares the two after it:
// the same matches as a case-insensitive search, at the speed of a plain one
// through the picture groups' long digit runs.
QString replaceAllIgnoringCase(const QString& text, const QString& key, const QString& value) {
    const QChar first = key.front();
    const QStringView rest = QStringView(key).mid(1);
    auto find = [&](qsizetype from) {
        for (qsizetype at = text.indexOf(first, from); at >= 0; at = text.indexOf(first, at + 1))
            if (QStringView(text).mid(at + 1, rest.size()).compare(rest, Qt::CaseInsensitive) == 0)
                return at;
        return qsizetype(-1);
    };
    qsizetype found = find(0);
    if (found < 0)
        return text;
    QString result;
    result.reserve(text.size() + value.size());
    qsizetype from = 0;
    while (found >= 0) {
        result.append(QStringView(text).mid(from, found - from));
        result.append(value);
        from = found + key.size();
        found = find(from);
    }
    result.append(QStringView(text).mid(from));
    return result;
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isUpperHexDigit(QChar c) {
    return isAsciiDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isLowerAsciiLetter(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

// Consumes one control word as a picture type is written: a backslash, lower-case
// letters and an optional number ("\wmetafile8", "\emfblip").
bool readTypeWord(QStringView s, qsizetype& pos) {
    if (pos >= s.size() || s[pos] != QLatin1Char('\\'))
        return false;
    const qsizetype lettersStart = ++pos;
    while (pos < s.size() && isLowerAsciiLetter(s[pos]))
        ++pos;
    if (pos == lettersStart)
        return false;
    while (pos < s.size() && isAsciiDigit(s[pos]))
        ++pos;
    return true;
}

// Consumes `word` followed by one or more decimal digits.
bool readControlWordWithNumber(QStringView s, qsizetype& pos, QLatin1String word) {
    if (!s.mid(pos).startsWith(word))
        return false;
    pos += word.size();
    const qsizetype digitsStart = pos;
    while (pos < s.size() && isAsciiDigit(s[pos]))
        ++pos;
    return pos > digitsStart;
}

// Empties the value list when the filling ends, however it ends.
class ValueListReset {
public:
    explicit ValueListReset(QStringList& list) : m_list(list) {}
    ~ValueListReset() { m_list.clear(); }
    ValueListReset(const ValueListReset&) = delete;
    ValueListReset& operator=(const ValueListReset&) = delete;

private:
    QStringList& m_list;
};

} // namespace

TRTFGebindeObjekt::TRTFGebindeObjekt() {
    Lese_Lieferantennummer_aus_INI();
}

TRTFGebindeObjekt::~TRTFGebindeObjekt() = default;

void TRTFGebindeObjekt::Lese_Lieferantennummer_aus_INI() {
    const Settings ini = Settings::homeFirst();
    Lieferantennummer = ini.read(settings::SAPLieferantennummer, QString());
    LieferantennummerKurz = ini.read(settings::LieferantennummerKurz, QString());
}

void TRTFGebindeObjekt::AddEinWert(const QString& sNr, const QString& sText) {
    if (sNr.size() != 2)
        throw AppError(QStringLiteral("Nr muss 2 Stellig sein"));
    slWerte.append(sNr + QLatin1Char(';') + sText);
}

bool TRTFGebindeObjekt::IstTextBestandteilVomBildtag(const QString& s) {
    const QStringView v(s);
    if (!v.startsWith(PictureGroupStart))
        return false;
    qsizetype pos = PictureGroupStart.size();
    if (!readTypeWord(v, pos) || !readControlWordWithNumber(v, pos, QLatin1String("\\picw")) ||
        !readControlWordWithNumber(v, pos, QLatin1String("\\pich")) ||
        !readControlWordWithNumber(v, pos, QLatin1String("\\picwgoal")) ||
        !readControlWordWithNumber(v, pos, QLatin1String("\\pichgoal")))
        return false;
    if (pos >= v.size() || v[pos] != QLatin1Char(' '))
        return false;
    const qsizetype hexStart = ++pos;
    while (pos < v.size() && isUpperHexDigit(v[pos]))
        ++pos;
    if ((pos - hexStart) % 2 != 0)
        return false;
    return pos == v.size() - 1 && v[pos] == QLatin1Char('}');
}

QString TRTFGebindeObjekt::WandleTextInRtf(const QString& s) {
    QString out;
    out.reserve(s.size() * 6);
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u == 9) {
            out += QLatin1String("\\tab ");
        } else if (u == 10) {
            out += QChar(u);
            out += QLatin1String("\\par ");
        } else if (u == '\\' || u == '{' || u == '}') {
            out += QLatin1Char('\\');
            out += QChar(u);
        } else if (u <= 32) {
            out += QChar(u);
        } else {
            out += QLatin1String("\\u");
            out += QString::number(u);
            out += QLatin1Char('?');
        }
    }
    return out;
}

QString TRTFGebindeObjekt::ErstelleRTF() {
    const ValueListReset reset(slWerte);

    TextDocument templ;
    const QString templatePath = platform().programFolder() + sVorlageDatei;
    if (!readTextFile(templatePath, templ))
        throw AppError(QStringLiteral("Cannot open file \"%1\".").arg(templatePath));

    QString text;
    for (const QString& line : templ.lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    for (const QString& entry : std::as_const(slWerte)) {
        const QString key = QLatin1Char('@') + entry.left(2);
        QString value = entry.mid(3);
        if (!IstTextBestandteilVomBildtag(value))
            value = WandleTextInRtf(value);
        text = replaceAllIgnoringCase(text, key, value);
    }

    // Without a home folder the name would be relative to whatever folder the process runs in.
    const QString home = DataModule1 ? DataModule1->homedir : QString();
    if (home.isEmpty())
        throw AppError(QStringLiteral("Fehler bei der Dateierstellung"));
    QString output = chooseOutputFile(home, sErgebnisDatei);
    writeTextFile(output, splitLines(text), templ.encoding, templ.byteOrderMark);
    return output;
}

QString TRTFGebindeObjekt::ErstelleRTFundOffneDiese() {
    QString output = ErstelleRTF();
    if (!platform().openDocument(output))
        OpenWithDialog(output);
    return output;
}

void TRTFGebindeObjekt::OpenWithDialog(const QString& AFileName) {
    // Not only a program choice: the user is told which document it is and
    // where it lies, and may open its folder or copy its path instead.
    offerWaysToOpen(AFileName);
}

} // namespace zw
