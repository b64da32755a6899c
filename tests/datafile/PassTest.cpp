#include "datafile/ReadWriteFile.h"

#include "DatafileTestSupport.h"
#include "FakePlatform.h"
#include "SampleData.h"

#include "base/AppError.h"
#include "core/Artikel.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::test;

namespace {

QString errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const AppError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

void fill(TMyDaten& d, int count) {
    for (int k = 0; k < count; ++k) {
        TArtikel a;
        a.MaterialNr = QString::number(k);
        d.ArtikelListe.Add(a);
    }
}

TEST(ArticleDataFile, SavesTheLastIndexAndLoadsEmptyArticles) {
    ScopedFakePlatform fake;
    const QString path = fake.root() + QStringLiteral("daten.txt");
    struct Row {
        int count;
        QByteArray file;
    };
    const Row rows[] = {{3, "1\r\nDaten{2;}\r\n"}, {0, "1\r\nDaten{-1;}\r\n"}};
    for (const Row& r : rows) {
        TMyDaten saved;
        fill(saved, r.count);
        saved.Savetofile(path);
        EXPECT_EQ(readFile(path), r.file);

        TMyDaten loaded;
        fill(loaded, 5);
        loaded.Loadfromfile(path);
        ASSERT_EQ(loaded.ArtikelListe.Count(), r.count);
        for (int k = 0; k < r.count; ++k)
            EXPECT_EQ(loaded.ArtikelListe.Artikel(k), TArtikel{}) << "an article stores no members";
    }
    TMyDaten d;
    fill(d, 3);
    EXPECT_EQ(writtenText(rwTypText, [&](TReadWriteFile& f) { d.Readwritefile(f); }),
              QStringLiteral("1\r\nDaten{2;}\r\n"));
}

TEST(ArticleDataFile, FailedLoadsLeaveTheListEmpty) {
    ScopedFakePlatform fake;
    const QString missing = fake.root() + QStringLiteral("fehlt.txt");
    const QString huge = fake.root() + QStringLiteral("huge.txt");
    const QString broken = fake.root() + QStringLiteral("broken.txt");
    writeFile(huge, "1\r\nDaten{2147483647;}\r\n");
    writeFile(broken, "1\r\nDaten{2x;}\r\n");
    struct Row {
        QString path;
        QString error;
    };
    const Row rows[] = {
        {missing, QStringLiteral("File not found ") + missing},
        {huge, QStringLiteral("'2147483648' is not a valid article count")},
        {broken, QStringLiteral("'2x' is not a valid integer value")},
    };
    for (const Row& r : rows) {
        TMyDaten d;
        fill(d, 2);
        EXPECT_EQ(errorOf([&] { d.Loadfromfile(r.path); }), r.error);
        EXPECT_EQ(d.ArtikelListe.Count(), 0);
    }
}

TEST(DataFilePass, ReleaseWritesThenReportsOpenObjects) {
    ScopedFakePlatform fake;
    const QString text = fake.root() + QStringLiteral("t.txt");
    const QString stream = fake.root() + QStringLiteral("s.bin");
    for (const auto& [path, rwt, bytes] : {std::tuple{text, rwTypText, QByteArray("1\r\nA{}\r\nB{\r\n")},
                                           std::tuple{stream, rwTypStream, QByteArray::fromHex("01000000 00000000")}}) {
        TReadWriteFile f(DateiWrite, path, rwt);
        f.BeginObjekt(QStringLiteral("A"));
        f.EndeObjekt();
        f.BeginObjekt(QStringLiteral("B"));
        f.BeginObjekt(QStringLiteral("C"));
        EXPECT_EQ(errorOf([&] { f.Destroy(); }), QStringLiteral("B\r\nC\r\n slGeoffneteObjekte.count <> 0"));
        EXPECT_EQ(readFile(path), bytes) << "saved before the error";
    }
}

TEST(DataFilePass, APassEndedByAnErrorLeavesTheFileAsItWas) {
    ScopedFakePlatform fake;
    qsizetype files = 0;
    for (const ReadwriteTyp rwt : {rwTypText, rwTypStream, rwTypXML}) {
        const QString path = fake.root() + QStringLiteral("keep%1").arg(rwt);
        writeFile(path, "previous");
        ++files;
        try {
            TReadWriteFile f(DateiWrite, path, rwt);
            f.BeginObjekt(QStringLiteral("A"));
            throw AppError(QStringLiteral("stop"));
        } catch (const AppError&) {
        }
        EXPECT_EQ(readFile(path), QByteArray("previous")) << rwt;
        EXPECT_EQ(QDir(fake.root()).entryList(QDir::Files).size(), files) << "no temporary file left";
    }
}

TEST(DataFilePass, MisuseIsRefusedWithItsMessage) {
    ScopedFakePlatform fake;
    const QString missing = fake.root() + QStringLiteral("nichts");
    qint32 i = 0;
    struct Row {
        const char* name;
        std::function<void()> body;
        QString error;
    };
    const Row rows[] = {
        {"reading a missing file", [&] { TReadWriteFile(dateiRead, missing, rwTypStream); },
         QStringLiteral("File not found ") + missing},
        {"EndeObjekt without an object", [&] { writtenText(rwTypXML, [](TReadWriteFile& f) { f.EndeObjekt(); }); },
         QStringLiteral("Fehler in slGeoffneteObjekte")},
        {"text member outside any object",
         [&] { writtenText(rwTypText, [&](TReadWriteFile& f) { f.ReadWriteInteger(i, QStringLiteral("i")); }); },
         QStringLiteral("Member i outside any object")},
        {"stream member outside any object",
         [&] {
             TReadWriteFile f(DateiWrite, fake.root() + QStringLiteral("s"), rwTypStream);
             f.ReadWriteInteger(i, QStringLiteral("i"));
         },
         QStringLiteral("Member i outside any object")},
        {"stream to the clipboard", [&] { TReadWriteFile(doCopy, QStringLiteral("Tag"), rwTypStream); },
         QStringLiteral("The stream representation works on files only")},
        {"stream as a string", [&] { TReadWriteFile(doGetAsString, QString(), rwTypStream); },
         QStringLiteral("The stream representation works on files only")},
        {"text line missing",
         [&] { readBytes("1\r\n", rwTypText, [](TReadWriteFile& f) { f.BeginObjekt(QStringLiteral("A")); }); },
         QStringLiteral("TReadWriteFile.GetNextTextLine sl ist leer")},
        {"unread values before an object",
         [&] {
             readBytes("1\r\nA{1;\r\nB{}\r\n}", rwTypText, [](TReadWriteFile& f) {
                 f.BeginObjekt(QStringLiteral("A"));
                 f.BeginObjekt(QStringLiteral("B"));
             });
         },
         QStringLiteral("1;sTextzeile ist nicht leerB")},
        {"another object's name",
         [&] { readBytes("1\r\nX{1;}", rwTypText, [](TReadWriteFile& f) { f.BeginObjekt(QStringLiteral("A")); }); },
         QStringLiteral("A erwartet X gefunden")},
    };
    for (const Row& r : rows)
        EXPECT_EQ(errorOf(r.body), r.error) << r.name;
}

TEST(DataFilePass, VersionLine) {
    for (const auto& [file, version] :
         {std::pair{"7\r\n", 7}, std::pair{"x\r\n", 1}, std::pair{"\xEF\xBB\xBF-2", -2}}) {
        TReadWriteFile f(QByteArray(file), rwTypText);
        EXPECT_EQ(f.version(), version) << file;
    }
    EXPECT_EQ(TReadWriteFile(QByteArray::fromHex("05000000"), rwTypStream).version(), 5);
}

TEST(Clipboard, CopyAndPasteCarryTheTagAndTheLines) {
    ScopedFakePlatform fake;
    TMyDaten d;
    fill(d, 3);
    TReadWriteFile copy(doCopy, QStringLiteral("Zeichwerk"), rwTypText);
    d.Readwritefile(copy);
    EXPECT_FALSE(fake->clipboard) << "nothing before the release";
    copy.Destroy();
    EXPECT_EQ(fake->clipboard, QStringLiteral("Zeichwerk\r\n1\r\nDaten{2;}\r\n"));

    TMyDaten pasted;
    TReadWriteFile paste(doPaste, QStringLiteral("Zeichwerk"), rwTypText);
    pasted.Readwritefile(paste);
    paste.Destroy();
    EXPECT_EQ(pasted.ArtikelListe.Count(), 3);

    struct Row {
        std::optional<QString> clipboard;
        QString error;
    };
    const Row rows[] = {
        {std::nullopt, QStringLiteral("Falsches Objekt in der Zwischenablage")},
        {QString(), QStringLiteral("Falsches Format in der Zwischenablage")},
        {QStringLiteral("Andere\r\n1\r\nDaten{2;}"), QStringLiteral("Falsches Format in der Zwischenablage")},
    };
    for (const Row& r : rows) {
        fake->clipboard = r.clipboard;
        EXPECT_EQ(errorOf([] { TReadWriteFile(doPaste, QStringLiteral("Zeichwerk"), rwTypText); }), r.error);
    }
    fake->clipboardAvailable = false;
    TReadWriteFile unavailable(doCopy, QStringLiteral("Zeichwerk"), rwTypXML);
    EXPECT_EQ(errorOf([&] { unavailable.Destroy(); }), QStringLiteral("Die Zwischenablage ist nicht verfügbar"));
}

TEST(Clipboard, RoundTripThroughTheSystemClipboard) {
    ASSERT_EQ(installedPlatform(), nullptr) << "the real platform";
    SampleData written = filledSample();
    TReadWriteFile copy(doCopy, QStringLiteral("Sample"), rwTypText);
    written.Readwritefile(copy);
    copy.Destroy();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QLatin1String("Sample\r\n1\r\nSample{TRUE;-7;")));

    SampleData pasted;
    TReadWriteFile paste(doPaste, QStringLiteral("Sample"), rwTypText);
    pasted.Readwritefile(paste);
    paste.Destroy();
    EXPECT_EQ(pasted, written);

    auto* picture = new QMimeData;
    picture->setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
    QGuiApplication::clipboard()->setMimeData(picture);
    EXPECT_EQ(errorOf([] { TReadWriteFile(doPaste, QStringLiteral("Sample"), rwTypText); }),
              QStringLiteral("Falsches Objekt in der Zwischenablage"));
}

} // namespace
