#include "datafile/ReadWriteFile.h"

#include "base/AppError.h"
#include "base/Convert.h"
#include "base/TextFile.h"
#include "platform/Platform.h"

#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>
#include <type_traits>

namespace zw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kClose = QStringLiteral("}");

AppError corruptAt(qint64 offset) {
    return AppError(QStringLiteral("corrupt data file at offset %1").arg(offset));
}

qint32 versionOf(const QString& line) {
    int v = 1;
    return tryStrToInt(line, v) ? v : 1;
}

// Little-endian bytes of a member; floats travel as their IEEE 754 bit pattern,
// Booleans as one byte.
template <typename T> QByteArray littleEndian(T value) {
    if constexpr (std::is_same_v<T, bool>) {
        return QByteArray(1, value ? '\1' : '\0');
    } else if constexpr (std::is_floating_point_v<T>) {
        quint64 bits = 0;
        static_assert(sizeof(T) == sizeof(bits));
        std::memcpy(&bits, &value, sizeof bits);
        return littleEndian(bits);
    } else {
        QByteArray b(sizeof(T), Qt::Uninitialized);
        qToLittleEndian(value, b.data());
        return b;
    }
}

template <typename T> T fromLittleEndian(const char* data) {
    if constexpr (std::is_same_v<T, bool>) {
        return *data != 0;
    } else if constexpr (std::is_floating_point_v<T>) {
        const auto bits = qFromLittleEndian<quint64>(data);
        T value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    } else {
        return qFromLittleEndian<T>(data);
    }
}

bool isXmlNameChar(QChar c, bool first) {
    const char16_t u = c.unicode();
    const bool letter = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_';
    if (first)
        return letter;
    return letter || (u >= u'0' && u <= u'9') || u == u'-' || u == u'.';
}

} // namespace

// The bytes of a stream file being read, with the read position. Every read is
// checked against the end, so a file cut short cannot be read past.
class TReadWriteFile::StreamSource {
public:
    explicit StreamSource(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    qint64 offset() const { return m_pos; }
    qint64 remaining() const { return m_bytes.size() - m_pos; }
    const char* take(qint64 n) {
        if (n < 0 || n > remaining())
            throw corruptAt(m_pos);
        const char* p = m_bytes.constData() + m_pos;
        m_pos += n;
        return p;
    }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

TReadWriteFile::TReadWriteFile(TDateioperation Dateioperation, const QString& sFile, ReadwriteTyp rwt,
                               const QString& sXMLHeader)
    : sFilename(sFile), Frwt(rwt), fDateiOperation(Dateioperation) {
    // The clipboard tag would otherwise name a file to create or read.
    if (Frwt == rwTypStream && Dateioperation != dateiRead && Dateioperation != DateiWrite)
        throw AppError(QStringLiteral("The stream representation works on files only"));
    if (Dateioperation == dateiRead) {
        if (!platform().fileExists(sFile))
            throw AppError(QStringLiteral("File not found ") + sFile);
        QByteArray bytes;
        if (Frwt != rwTypXML && !readFileBytes(sFile, bytes))
            throw AppError(QStringLiteral("Cannot open file \"%1\".").arg(sFile));
        openForReading(bytes);
        return;
    }
    if (Dateioperation == doCopy)
        slTxtDateiSchreiben.append(sFile);
    if (Dateioperation == doPaste) {
        const std::optional<QString> text = platform().clipboardText();
        if (!text)
            throw AppError(QStringLiteral("Falsches Objekt in der Zwischenablage"));
        slTxtDateiSchreiben = splitLines(*text);
        if (slTxtDateiSchreiben.isEmpty() || GetNextTextLine() != sFile)
            throw AppError(QStringLiteral("Falsches Format in der Zwischenablage"));
        iversion = versionOf(GetNextTextLine());
    }
    if (!SchreibendeOperation())
        return;
    if (Frwt == rwTypXML) {
        slTxtDateiSchreiben.append(sXMLHeader);
    } else if (Frwt == rwTypText) {
        iversion = 1;
        slTxtDateiSchreiben.append(QStringLiteral("1"));
    } else {
        // Written next to the target and renamed over it by Destroy, so a pass
        // that fails leaves the previous file whole.
        fs = std::make_unique<QSaveFile>(sFile);
        if (!fs->open(QIODevice::WriteOnly))
            throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(sFile, fs->errorString()));
        MyFS = std::make_unique<TFSMemory>(nullptr);
        iversion = 1;
        MyFS->fsMemor = littleEndian<qint32>(iversion);
    }
}

TReadWriteFile::TReadWriteFile(const QByteArray& content, ReadwriteTyp rwt) : Frwt(rwt), fDateiOperation(dateiRead) {
    openForReading(content);
}

TReadWriteFile::~TReadWriteFile() {
    // Unwinding from an error is the intended way to discard a pass; anything
    // else that skips Destroy() is a slip that would lose the data silently.
    if (!released && SchreibendeOperation() && std::uncaught_exceptions() == 0)
        qWarning("TReadWriteFile: a writing pass of \"%s\" ended without Destroy(); nothing was written",
                 qPrintable(sFilename));
}

void TReadWriteFile::openForReading(const QByteArray& content) {
    if (Frwt == rwTypText) {
        slTxtDateiSchreiben = decodeTextFile(content, TextEncoding::Windows1252).lines;
        iversion = versionOf(GetNextTextLine());
    } else if (Frwt == rwTypStream) {
        MyFS = std::make_unique<TFSMemory>(nullptr);
        source = std::make_unique<StreamSource>(content);
        iversion = fromLittleEndian<qint32>(source->take(4));
    }
}

void TReadWriteFile::Destroy() {
    if (released)
        return;
    released = true;
    if (fDateiOperation == DateiWrite && Frwt != rwTypStream)
        writeFile();
    if (fDateiOperation == doCopy && !platform().setClipboardText(GetAsText()))
        throw AppError(QStringLiteral("Die Zwischenablage ist nicht verfügbar"));
    if (fs) {
        const TFSMemory* root = MyFS.get();
        while (root->parent)
            root = root->parent.get();
        if (fs->write(root->fsMemor) != root->fsMemor.size() || !fs->commit())
            throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(sFilename, fs->errorString()));
        fs.reset();
    }
    MyFS.reset();
    source.reset();
    slTxtDateiSchreiben.clear();
    if (!slGeoffneteObjekte.isEmpty()) {
        QString names;
        for (const QString& n : std::as_const(slGeoffneteObjekte))
            names += n + kCrLf;
        throw AppError(names + QStringLiteral(" slGeoffneteObjekte.count <> 0"));
    }
}

void TReadWriteFile::writeFile() {
    const bool fits = std::all_of(slTxtDateiSchreiben.cbegin(), slTxtDateiSchreiben.cend(),
                                  [](const QString& line) { return fitsWindows1252(line); });
    // Characters beyond the code page would turn into "?": such a file is UTF-8 with its mark.
    writeTextFile(sFilename, slTxtDateiSchreiben, fits ? TextEncoding::Windows1252 : TextEncoding::Utf8, !fits);
}

bool TReadWriteFile::SchreibendeOperation() const {
    return fDateiOperation == DateiWrite || fDateiOperation == doCopy || fDateiOperation == doGetAsString;
}

bool TReadWriteFile::LesendeOperation() const {
    return fDateiOperation == dateiRead || fDateiOperation == doPaste;
}

QString TReadWriteFile::GetAsText() const {
    QString out;
    for (qsizetype i = nextLine; i < slTxtDateiSchreiben.size(); ++i)
        out += slTxtDateiSchreiben.at(i) + kCrLf;
    return out;
}

QString TReadWriteFile::GetNextTextLine() {
    if (nextLine >= slTxtDateiSchreiben.size())
        throw AppError(QStringLiteral("TReadWriteFile.GetNextTextLine sl ist leer"));
    return slTxtDateiSchreiben.at(nextLine++);
}

void TReadWriteFile::EnsureTextzeile() {
    if (restOfLine().isEmpty())
        setTextLine(GetNextTextLine());
}

bool TReadWriteFile::TakeToken(QString& line, QString& token, QChar separator) {
    const qsizetype at = line.indexOf(separator);
    if (at < 0)
        return false;
    token = line.left(at);
    line.remove(0, at + 1);
    return true;
}

void TReadWriteFile::setTextLine(QString line) {
    sTextzeile = std::move(line);
    textPos = 0;
}

QStringView TReadWriteFile::restOfLine() const {
    return QStringView(sTextzeile).mid(textPos);
}

bool TReadWriteFile::ConsumeLaenge(qint64 n) {
    if (MyFS->Laenge >= n) {
        MyFS->Laenge -= qint32(n);
        return true;
    }
    MyFS->Laenge = 0;
    return false;
}

// ---- objects

void TReadWriteFile::BeginObjekt(const QString& MemberName) {
    switch (Frwt) {
    case rwTypText:
        if (SchreibendeOperation()) {
            if (!sTextzeile.isEmpty())
                slTxtDateiSchreiben.append(sTextzeile);
            sTextzeile = MemberName + QLatin1Char('{');
        } else {
            beginTextObject(MemberName);
        }
        break;
    case rwTypXML:
        if (SchreibendeOperation())
            checkXmlName(MemberName);
        iObjekttiefe += 2;
        if (SchreibendeOperation())
            WriteXMLOpenTag(MemberName);
        break;
    case rwTypStream:
        if (SchreibendeOperation())
            MyFS = std::make_unique<TFSMemory>(std::move(MyFS));
        else
            beginStreamObject();
        break;
    }
    slGeoffneteObjekte.append(MemberName);
}

void TReadWriteFile::EndeObjekt() {
    if (slGeoffneteObjekte.isEmpty())
        throw AppError(QStringLiteral("Fehler in slGeoffneteObjekte"));
    const QString name = slGeoffneteObjekte.takeLast();
    switch (Frwt) {
    case rwTypText:
        if (SchreibendeOperation()) {
            slTxtDateiSchreiben.append(sTextzeile + kClose);
            sTextzeile.clear();
        } else {
            endTextObject();
        }
        break;
    case rwTypXML:
        if (SchreibendeOperation())
            WriteXMLCloseTag(name);
        iObjekttiefe -= 2;
        break;
    case rwTypStream:
        endStreamObject();
        break;
    }
}

void TReadWriteFile::beginTextObject(const QString& name) {
    BoolObjektInAlterDateiNochNichtbekannt = false;
    // An object missing from an older file: the enclosing object ends where it
    // should begin. Its own end and the enclosing one each take one "}".
    const auto absent = [this] {
        if (nextLine > 0)
            slTxtDateiSchreiben[--nextLine] = kClose;
        else
            slTxtDateiSchreiben.prepend(kClose);
        setTextLine(kClose);
        BoolObjektInAlterDateiNochNichtbekannt = true;
    };
    if (!restOfLine().isEmpty()) {
        if (restOfLine() != kClose)
            throw AppError(restOfLine().toString() + QStringLiteral("sTextzeile ist nicht leer") + name);
        absent();
        return;
    }
    QString line = GetNextTextLine();
    QString found;
    if (TakeToken(line, found, QLatin1Char('{')) && found == name) {
        setTextLine(line);
        return;
    }
    if (line != kClose)
        throw AppError(name + QStringLiteral(" erwartet ") + found + QStringLiteral(" gefunden"));
    absent();
}

void TReadWriteFile::endTextObject() {
    if (!restOfLine().contains(kClose))
        GetNextTextLine();
    setTextLine(QString());
}

void TReadWriteFile::beginStreamObject() {
    const qint64 at = source->offset();
    const qint32 length = fromLittleEndian<qint32>(source->take(4));
    // A nested object lies inside what is left of its parent; the root has no length.
    const qint64 room = MyFS->parent ? std::min<qint64>(MyFS->Laenge, source->remaining()) : source->remaining();
    if (length < 0 || length > room)
        throw corruptAt(at);
    MyFS = std::make_unique<TFSMemory>(std::move(MyFS));
    MyFS->Laenge = length;
    MyFS->LaengeObjekt = length;
}

void TReadWriteFile::endStreamObject() {
    if (!MyFS || !MyFS->parent)
        throw AppError(QStringLiteral("MyFs is nil"));
    std::unique_ptr<TFSMemory> closed = std::move(MyFS);
    MyFS = std::move(closed->parent);
    if (SchreibendeOperation()) {
        const qint64 total = qint64(MyFS->Laenge) + closed->Laenge;
        if (total > std::numeric_limits<qint32>::max())
            throw AppError(QStringLiteral("Object %1 is too large for a data file").arg(slGeoffneteObjekte.size()));
        MyFS->Laenge = qint32(total);
        MyFS->fsMemor += littleEndian<qint32>(closed->Laenge);
        MyFS->fsMemor += closed->fsMemor;
        return;
    }
    // Members of a newer version that this reader does not ask for.
    source->take(closed->Laenge);
    if (MyFS->parent)
        MyFS->Laenge -= closed->LaengeObjekt;
}

// ---- members

TReadWriteFile::Mode TReadWriteFile::memberMode(const QString& MemberName) {
    const bool writing = SchreibendeOperation();
    if (Frwt == rwTypXML)
        return writing ? Mode::XmlWrite : Mode::Skip;
    // Text and stream keep no place for members outside an object.
    if (slGeoffneteObjekte.isEmpty())
        throw AppError(QStringLiteral("Member %1 outside any object").arg(MemberName));
    if (Frwt == rwTypStream)
        return writing ? Mode::StreamWrite : Mode::StreamRead;
    if (writing)
        return Mode::TextWrite;
    return BoolObjektInAlterDateiNochNichtbekannt ? Mode::Skip : Mode::TextRead;
}

void TReadWriteFile::writeToken(const QString& text) {
    sTextzeile += text;
    sTextzeile += QLatin1Char(';');
}

bool TReadWriteFile::readToken(QString& token) {
    EnsureTextzeile();
    // Tokens are taken by position: cutting each off the line would copy the
    // rest of a long line once per member.
    const qsizetype at = sTextzeile.indexOf(QLatin1Char(';'), textPos);
    if (at < 0)
        return false;
    token = sTextzeile.mid(textPos, at - textPos);
    textPos = at + 1;
    return true;
}

void TReadWriteFile::writeStreamBytes(const QByteArray& bytes) {
    const qint64 total = qint64(MyFS->Laenge) + bytes.size();
    if (total > std::numeric_limits<qint32>::max())
        throw AppError(QStringLiteral("Object %1 is too large for a data file").arg(slGeoffneteObjekte.last()));
    MyFS->fsMemor += bytes;
    MyFS->Laenge = qint32(total);
}

const char* TReadWriteFile::readStreamBytes(qint64 n) {
    return ConsumeLaenge(n) ? source->take(n) : nullptr;
}

template <typename T> void TReadWriteFile::streamMember(T& value, Mode mode) {
    if (mode == Mode::StreamWrite)
        writeStreamBytes(littleEndian(value));
    else if (const char* p = readStreamBytes(sizeof(T)))
        value = fromLittleEndian<T>(p);
}

template <typename T, typename ToText, typename FromText>
void TReadWriteFile::valueMember(T& value, const QString& MemberName, ToText toText, FromText fromText) {
    const Mode mode = memberMode(MemberName);
    switch (mode) {
    case Mode::Skip:
        return;
    case Mode::TextWrite:
        return writeToken(toText(value));
    case Mode::TextRead:
        if (QString t; readToken(t))
            value = fromText(t);
        return;
    case Mode::XmlWrite:
        return WriteXMLMember(MemberName, toText(value));
    case Mode::StreamWrite:
    case Mode::StreamRead:
        return streamMember(value, mode);
    }
}

void TReadWriteFile::ReadWriteBoolean(bool& bvalue, const QString& MemberName) {
    valueMember(
        bvalue, MemberName, [](bool b) { return b ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); },
        [](const QString& t) { return t == QLatin1String("TRUE"); });
}

void TReadWriteFile::ReadWriteInteger(qint32& ivalue, const QString& MemberName) {
    valueMember(
        ivalue, MemberName, [](qint32 i) { return QString::number(i); }, [](const QString& t) { return strToInt(t); });
}

void TReadWriteFile::ReadWriteInt64(qint64& ivalue, const QString& MemberName) {
    valueMember(
        ivalue, MemberName, [](qint64 i) { return QString::number(i); },
        [](const QString& t) { return strToInt64(t); });
}

void TReadWriteFile::ReadWriteDouble(double& dvalue, const QString& MemberName) {
    valueMember(
        dvalue, MemberName, [](double d) { return floatToText(d, QLocale()); },
        [](const QString& t) { return textToFloat(t, QLocale()); });
}

void TReadWriteFile::ReadWritedate(TDateTime& datevalue, const QString& MemberName) {
    valueMember(
        datevalue, MemberName, [](TDateTime d) { return dateTimeToText(d, QLocale()); },
        [](const QString& t) { return textToDateTime(t, QLocale()); });
}

void TReadWriteFile::ReadWriteString(QString& svalue, const QString& MemberName, bool boolErsetzeEnter) {
    const Mode mode = memberMode(MemberName);
    switch (mode) {
    case Mode::Skip:
        return;
    case Mode::TextWrite:
        return writeToken(quoteText(svalue, boolErsetzeEnter));
    case Mode::TextRead:
        if (QString t; readToken(t))
            svalue = unquoteText(t, boolErsetzeEnter);
        return;
    case Mode::XmlWrite:
        return WriteXMLMember(MemberName, svalue);
    case Mode::StreamWrite: {
        if (svalue.size() > std::numeric_limits<qint32>::max() / 2)
            throw AppError(QStringLiteral("String %1 is too long for a data file").arg(MemberName));
        QByteArray bytes = littleEndian<qint32>(qint32(svalue.size()));
        bytes.reserve(4 + 2 * svalue.size());
        for (const QChar c : svalue)
            bytes += littleEndian<quint16>(c.unicode());
        return writeStreamBytes(bytes);
    }
    case Mode::StreamRead: {
        const char* p = readStreamBytes(4);
        if (!p)
            return;
        const qint32 count = fromLittleEndian<qint32>(p);
        // A count beyond the object or the file cannot come from a writer.
        if (count < 0 || 2 * qint64(count) > std::min<qint64>(MyFS->Laenge, source->remaining()))
            throw corruptAt(source->offset() - 4);
        p = readStreamBytes(2 * qint64(count));
        QString s(count, Qt::Uninitialized);
        for (qsizetype i = 0; i < count; ++i)
            s[i] = QChar(fromLittleEndian<quint16>(p + 2 * i));
        svalue = s;
        return;
    }
    }
}

void TReadWriteFile::ReadWriteStringList(QStringList& sl, const QString& MemberName) {
    if (Frwt == rwTypXML) {
        if (!SchreibendeOperation() || sl.isEmpty())
            return;
        BeginObjekt(MemberName);
        for (qsizetype i = 0; i < sl.size(); ++i) {
            QString line = sl.at(i);
            ReadWriteString(line, MemberName + QStringLiteral("LINE") + QString::number(i), false);
        }
        EndeObjekt();
        return;
    }
    QString text;
    if (SchreibendeOperation()) {
        for (const QString& line : std::as_const(sl))
            text += line + kCrLf;
    }
    ReadWriteString(text, MemberName, true);
    if (LesendeOperation())
        sl = splitLines(text);
}

// ---- XML

void TReadWriteFile::checkXmlName(const QString& name) const {
    if (name.isEmpty())
        throw AppError(QStringLiteral("XML obj darf nicht leer sein "));
    if (name.contains(QLatin1Char(' ')))
        throw AppError(QStringLiteral("obj darf kein Leer enhalten "));
    // Anything else outside the plain name characters would break the markup.
    for (qsizetype i = 0; i < name.size(); ++i)
        if (!isXmlNameChar(name.at(i), i == 0))
            throw AppError(QStringLiteral("XML obj ist kein gültiger Name: ") + name);
}

void TReadWriteFile::WriteXMLOpenTag(const QString& name) {
    slTxtDateiSchreiben.append(QString(iObjekttiefe + 1, QLatin1Char(' ')) + QLatin1Char('<') + name +
                               QLatin1Char('>'));
}

void TReadWriteFile::WriteXMLCloseTag(const QString& name) {
    slTxtDateiSchreiben.append(QString(iObjekttiefe + 1, QLatin1Char(' ')) + QStringLiteral("</") + name +
                               QLatin1Char('>'));
}

void TReadWriteFile::WriteXMLMember(const QString& name, const QString& value) {
    checkXmlName(name);
    slTxtDateiSchreiben.append(QString(iObjekttiefe + 1, QLatin1Char(' ')) + QLatin1Char('<') + name +
                               QLatin1Char('>') + EscapeXML(value) + QStringLiteral("</") + name + QLatin1Char('>'));
}

QString TReadWriteFile::EscapeXML(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value.at(i).unicode();
        switch (c) {
        case u'&':
            out += QLatin1String("&amp;");
            continue;
        case u'<':
            out += QLatin1String("&lt;");
            continue;
        case u'>':
            out += QLatin1String("&gt;");
            continue;
        case u'"':
            out += QLatin1String("&quot;");
            continue;
        case u'\'':
            out += QLatin1String("&apos;");
            continue;
        case u'\t':
            out += QChar(c);
            continue;
        case u'\r':
        case u'\n':
            // As references, so the element stays on its line and the break survives.
            out += QStringLiteral("&#%1;").arg(int(c));
            continue;
        default:
            break;
        }
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < value.size() && value.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(c, value.at(++i).unicode());
        // Characters XML cannot carry at all (other controls, lone surrogates,
        // U+FFFE and U+FFFF) stand as the replacement character.
        if (code < 0x20 || QChar::isSurrogate(code) || code == 0xFFFE || code == 0xFFFF)
            code = 0xFFFD;
        if (code > 122)
            out += QStringLiteral("&#%1;").arg(uint(code));
        else
            out += QChar(char16_t(code));
    }
    return out;
}

} // namespace zw
