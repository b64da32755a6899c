#include "datafile/ReadWriteFile.h"

#include "DatafileTestSupport.h"
#include "SampleData.h"

#include "base/AppError.h"
#include "core/Artikel.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::test;

namespace {

// The text of every element without element children, in document order;
// fails the test when the document is not well-formed.
QList<QPair<QString, QString>> parseLeaves(const QString& xml) {
    QList<QPair<QString, QString>> leaves;
    QXmlStreamReader r(xml);
    QString name;
    QString text;
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartElement:
            name = r.name().toString();
            text.clear();
            break;
        case QXmlStreamReader::Characters:
            text += r.text();
            break;
        case QXmlStreamReader::EndElement:
            if (!name.isEmpty())
                leaves.append({name, text});
            name.clear();
            break;
        default:
            break;
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString() << "\n" << xml.toStdString();
    return leaves;
}

TEST(XmlRepresentation, IndentsTwoSpacesPerLevel) {
    TMyDaten daten;
    for (int k = 0; k < 3; ++k)
        daten.ArtikelListe.Add(TArtikel{});
    EXPECT_EQ(writtenText(rwTypXML, [&](TReadWriteFile& f) { daten.Readwritefile(f); }),
              QStringLiteral("<?xml version=\"1.0\"?>\r\n   <Daten>\r\n   <Anzahl>2</Anzahl>\r\n   </Daten>\r\n"));

    QStringList notiz{QStringLiteral("x"), QStringLiteral("y")};
    QStringList leer;
    bool outside = true;
    const QString nested = writtenText(rwTypXML, [&](TReadWriteFile& f) {
        f.ReadWriteBoolean(outside, QStringLiteral("Aussen"));
        f.BeginObjekt(QStringLiteral("A"));
        f.ReadWriteStringList(notiz, QStringLiteral("Notiz"));
        f.ReadWriteStringList(leer, QStringLiteral("Leer"));
        f.EndeObjekt();
    });
    EXPECT_EQ(nested, QStringLiteral("<?xml version=\"1.0\"?>\r\n"
                                     " <Aussen>TRUE</Aussen>\r\n"
                                     "   <A>\r\n"
                                     "     <Notiz>\r\n"
                                     "     <NotizLINE0>x</NotizLINE0>\r\n"
                                     "     <NotizLINE1>y</NotizLINE1>\r\n"
                                     "     </Notiz>\r\n"
                                     "   </A>\r\n"));
}

TEST(XmlRepresentation, EscapesEveryCharacterOnce) {
    struct Row {
        QString value;
        const char* xml;
    };
    const Row rows[] = {
        {QStringLiteral("äxä"), "&#228;x&#228;"},
        {QStringLiteral("a&b"), "a&amp;b"},
        {QStringLiteral("<a href=\"x\">'"), "&lt;a href=&quot;x&quot;&gt;&apos;"},
        {QStringLiteral("z{|}~"), "z&#123;&#124;&#125;&#126;"},
        {QStringLiteral("a\r\nb\tc"), "a&#13;&#10;b\tc"},
        {QStringLiteral("\U0001F600"), "&#128512;"},
        // XML cannot carry these at all.
        {QStringLiteral("\x01") + QChar(0xD800) + QChar(0xFFFF), "&#65533;&#65533;&#65533;"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(TReadWriteFile::EscapeXML(r.value), QString::fromLatin1(r.xml)) << r.xml;
        const QString xml = QStringLiteral("<v>") + TReadWriteFile::EscapeXML(r.value) + QStringLiteral("</v>");
        const auto leaves = parseLeaves(xml);
        ASSERT_EQ(leaves.size(), 1) << r.xml;
        if (!QString::fromLatin1(r.xml).contains(QLatin1String("65533"))) {
            EXPECT_EQ(leaves.first().second, r.value) << r.xml;
        }
    }
}

TEST(XmlRepresentation, EveryOutputParsesWithItsValues) {
    std::mt19937 rng(8);
    for (int round = 0; round < 50; ++round) {
        SampleData s = filledSample();
        s.name = randomString(rng);
        s.notes = {randomString(rng), randomString(rng)};
        const QString xml = writtenText(rwTypXML, [&](TReadWriteFile& f) { s.Readwritefile(f); });
        const auto leaves = parseLeaves(xml);
        ASSERT_FALSE(leaves.isEmpty());
        for (const auto& [name, text] : leaves) {
            if (name != QLatin1String("Name"))
                continue;
            if (TReadWriteFile::EscapeXML(s.name).contains(QLatin1String("&#65533;")))
                EXPECT_EQ(text.size(), s.name.size()) << "each character XML cannot carry stands as one";
            else
                EXPECT_EQ(text, s.name) << "round " << round;
        }
    }
}

TEST(XmlRepresentation, NamesAreChecked) {
    struct Row {
        const char* name;
        const char* error;
    };
    const Row rows[] = {
        {"", "XML obj darf nicht leer sein "},          {"a b", "obj darf kein Leer enhalten "},
        {"a<b", "XML obj ist kein gültiger Name: a<b"}, {"1a", "XML obj ist kein gültiger Name: 1a"},
        {"ä", "XML obj ist kein gültiger Name: ä"},
    };
    for (const Row& r : rows) {
        qint32 v = 1;
        const QString name = QString::fromUtf8(r.name);
        for (const bool asObject : {false, true}) {
            try {
                writtenText(rwTypXML, [&](TReadWriteFile& f) {
                    if (asObject)
                        f.BeginObjekt(name);
                    else
                        f.ReadWriteInteger(v, name);
                });
                ADD_FAILURE() << r.name;
            } catch (const AppError& e) {
                EXPECT_EQ(e.message(), QString::fromUtf8(r.error));
            }
        }
    }
}

TEST(XmlRepresentation, ReadingReadsNothing) {
    SampleData s = filledSample();
    const SampleData before = s;
    readBytes("<?xml version=\"1.0\"?>\r\n <Flag>FALSE</Flag>\r\n", rwTypXML,
              [&](TReadWriteFile& f) { s.Readwritefile(f); });
    EXPECT_EQ(s, before);
}

} // namespace
