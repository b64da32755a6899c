#pragma once

#include "datafile/TextValues.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QSaveFile;

namespace zw {

enum TDateioperation { dateiRead = 0, DateiWrite = 1, doCopy = 2, doPaste = 3, doGetAsString = 4 };
enum ReadwriteTyp { rwTypStream = 0, rwTypText = 1, rwTypXML = 2 };

// The nesting frame of one open object in the stream representation.
class TFSMemory {
public:
    explicit TFSMemory(std::unique_ptr<TFSMemory> hparent) : parent(std::move(hparent)) {}

    QByteArray fsMemor;      // writing: the bytes collected for the object
    qint32 Laenge = 0;       // writing: bytes counted so far; reading: bytes not yet read
    qint32 LaengeObjekt = 0; // reading: the object's stored length
    // The enclosing object's frame; none for the root. A frame owns its
    // parents, so dropping the innermost frame frees the whole chain.
    std::unique_ptr<TFSMemory> parent;
};

// One pass over a file of typed, nested members, in one direction. A data
// class describes its content once in a routine that calls BeginObjekt,
// the ReadWrite* members and EndeObjekt in a fixed order; writing stores
// each variable, reading fills it.
//
// Finish a pass with Destroy(), which writes the file or clipboard and reports
// unbalanced objects. A pass that ends without it (an error was raised) is
// discarded: the file or clipboard keeps its previous content.
class TReadWriteFile {
public:
    TReadWriteFile(TDateioperation Dateioperation, const QString& sFile, ReadwriteTyp rwt,
                   const QString& sXMLHeader = QString());
    // A reading pass over `content` standing in for a file's bytes.
    TReadWriteFile(const QByteArray& content, ReadwriteTyp rwt);
    ~TReadWriteFile();
    TReadWriteFile(const TReadWriteFile&) = delete;
    TReadWriteFile& operator=(const TReadWriteFile&) = delete;

    void Destroy();

    void BeginObjekt(const QString& MemberName);
    void EndeObjekt();

    void ReadWriteBoolean(bool& bvalue, const QString& MemberName);
    void ReadWriteInteger(qint32& ivalue, const QString& MemberName);
    void ReadWriteInt64(qint64& ivalue, const QString& MemberName);
    void ReadWriteDouble(double& dvalue, const QString& MemberName);
    void ReadWritedate(TDateTime& datevalue, const QString& MemberName);
    // boolErsetzeEnter keeps line breaks of the value on the text line (as codes 14 and 15).
    void ReadWriteString(QString& svalue, const QString& MemberName, bool boolErsetzeEnter);
    void ReadWriteStringList(QStringList& sl, const QString& MemberName);

    bool SchreibendeOperation() const;
    bool LesendeOperation() const;
    // Every line of the text or XML representation followed by CR LF.
    QString GetAsText() const;
    qint32 version() const { return iversion; }

    // The XML text of a value: "&" as "&amp;", "<", ">" and quotes as entities,
    // everything above "z" as a numeric character reference.
    static QString EscapeXML(const QString& value);

private:
    enum class Mode { Skip, TextWrite, TextRead, XmlWrite, StreamWrite, StreamRead };
    class StreamSource;

    void openForReading(const QByteArray& content);
    Mode memberMode(const QString& MemberName);

    QString GetNextTextLine();
    void EnsureTextzeile();
    void setTextLine(QString line);
    QStringView restOfLine() const;
    static bool TakeToken(QString& line, QString& token, QChar separator);
    bool ConsumeLaenge(qint64 n);
    void WriteXMLOpenTag(const QString& name);
    void WriteXMLCloseTag(const QString& name);
    void WriteXMLMember(const QString& name, const QString& value);
    void checkXmlName(const QString& name) const;

    void writeToken(const QString& text);
    bool readToken(QString& token);
    void writeStreamBytes(const QByteArray& bytes);
    // The next n bytes of the object, or nullptr when the object has fewer left.
    const char* readStreamBytes(qint64 n);
    template <typename T> void streamMember(T& value, Mode mode);
    template <typename T, typename ToText, typename FromText>
    void valueMember(T& value, const QString& MemberName, ToText toText, FromText fromText);
    void beginStreamObject();
    void endStreamObject();
    void beginTextObject(const QString& name);
    void endTextObject();
    void writeFile();

    QString sFilename;
    QString sTextzeile;
    qsizetype textPos = 0; // reading: sTextzeile before this position is consumed
    ReadwriteTyp Frwt;
    std::unique_ptr<QSaveFile> fs;        // stream writing
    std::unique_ptr<StreamSource> source; // stream reading: the file's bytes
    qint32 iversion = 1;
    TDateioperation fDateiOperation;
    qint32 iObjekttiefe = 0;
    std::unique_ptr<TFSMemory> MyFS;
    QStringList slGeoffneteObjekte;
    QStringList slTxtDateiSchreiben;
    qsizetype nextLine = 0; // lines before this one of slTxtDateiSchreiben are read
    bool BoolObjektInAlterDateiNochNichtbekannt = false;
    bool released = false;
};

} // namespace zw
