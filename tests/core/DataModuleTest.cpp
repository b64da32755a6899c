#include "core/DataModule.h"
#include "base/AppError.h"

#include "FakePlatform.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::readFile;
using zw::test::ScopedFakePlatform;
using zw::test::writeFile;

namespace {

TEST(DataModule, LogLinesAndFileNameCarryTheTimeStamps) {
    ScopedFakePlatform p;
    p->clock = QDateTime(QDate(2020, 2, 3), QTime(9, 5, 7));
    TDataModule1 dm;
    EXPECT_EQ(dm.loggerNameAndTimestamp, QStringLiteral("__20200203_090507.log"));
    p->clock = QDateTime(QDate(2021, 12, 31), QTime(23, 59, 58));
    dm.writeLog(QStringLiteral("~ HOMEDIR:"));
    EXPECT_EQ(dm.sLogger.last(), QStringLiteral("[2021.12.31 - 23:59:58] ~ HOMEDIR:"));
    // The file name stays the one fixed at creation.
    EXPECT_EQ(dm.loggerNameAndTimestamp, QStringLiteral("__20200203_090507.log"));
}

TEST(DataModule, SaveLogWritesWholeListOnlyWhenSwitchedOn) {
    ScopedFakePlatform p;
    TDataModule1 dm;
    dm.homedir = p.root() + QStringLiteral("home/");
    QDir().mkpath(dm.homedir);
    const QString file = dm.homedir + dm.loggerNameAndTimestamp;

    dm.writeLog(QStringLiteral("früh"));
    dm.saveLog();
    EXPECT_FALSE(QFile::exists(file)) << "Logger off writes nothing";

    dm.schreibeLog = true;
    dm.saveLog();
    EXPECT_EQ(readFile(file), QByteArray("[2020.02.03 - 09:05:07] fr\xFCh\r\n"));
    dm.writeLog(QStringLiteral("später"));
    dm.saveLog();
    EXPECT_EQ(readFile(file), QByteArray("[2020.02.03 - 09:05:07] fr\xFCh\r\n[2020.02.03 - 09:05:07] sp\xE4ter\r\n"))
        << "second save rewrites the whole list";

    dm.homedir = p.root() + QStringLiteral("missing/");
    EXPECT_THROW(dm.saveLog(), AppError);
}

TEST(DataModule, FolderFunctions) {
    ScopedFakePlatform p;
    TDataModule1 dm;
    const QString home = p.root() + QStringLiteral("home/");
    dm.homedir = home;
    dm.ArtikelnummerPflegePfad = p.root() + QStringLiteral("articles/");

    EXPECT_EQ(dm.GibPfadToInstallationsOrdner(QStringLiteral("Barcode.ini")), QString());
    EXPECT_EQ(dm.GibPfadToEigeneDateien(QStringLiteral("Barcode.ini")), p->program + QStringLiteral("Barcode.ini"));

    writeFile(p->program + QStringLiteral("Barcode.ini"), "");
    EXPECT_EQ(dm.GibPfadToInstallationsOrdner(QStringLiteral("Barcode.ini")),
              p->program + QStringLiteral("Barcode.ini"));
    EXPECT_EQ(dm.GibPfadToEigeneDateien(QStringLiteral("Barcode.ini")), p->program + QStringLiteral("Barcode.ini"));

    writeFile(home + QStringLiteral("Barcode.ini"), "");
    EXPECT_EQ(dm.GibPfadToEigeneDateien(QStringLiteral("Barcode.ini")), home + QStringLiteral("Barcode.ini"));
    EXPECT_EQ(dm.SaveToEigeneDateien(QStringLiteral("x.txt")), p.root() + QStringLiteral("articles/x.txt"));
}

TEST(DataModule, CreationLoadsDeviceTypesAndStoragePlacesInFileOrder) {
    ScopedFakePlatform p;
    writeFile(p->program + QStringLiteral("Barcode.ini"),
              "[Geraetetyp]\r\nGer1=Waschmaschine\r\nGer0=Trockner=XL\r\n[Lagerplatz]\r\nLag0=Halle 3\r\n");
    TDataModule1 dm;
    EXPECT_EQ(dm.slGeraetetyp, QStringList({QStringLiteral("Waschmaschine"), QStringLiteral("Trockner=XL")}));
    EXPECT_EQ(dm.slLagerplatz, QStringList(QStringLiteral("Halle 3")));
    EXPECT_EQ(dm.EAN_File_Name, QStringLiteral("artikel_ean_liste.txt"));
    EXPECT_EQ(dm.sAktArtikelliste, QStringLiteral("Artikel.ini"));
    EXPECT_EQ(dm.sAktBarcodeFile, QStringLiteral("Barcode.ini"));
    EXPECT_TRUE(dm.homedir.isEmpty());
    EXPECT_FALSE(dm.schreibeLog);
}

TEST(DataModule, DownloadPathsUseTheConfiguredServer) {
    ScopedFakePlatform p;
    {
        TDataModule1 dm;
        EXPECT_EQ(dm.EAN_Download_Pfad,
                  QStringLiteral("http://download.zeichwerk.invalid/_download/artikel_ean_liste.txt"));
    }
    writeFile(p->program + QStringLiteral("Barcode.ini"), "[Einstellungen]\r\nDownloadServer=127.0.0.1:8123\r\n");
    TDataModule1 dm;
    EXPECT_EQ(dm.EAN_Download_Pfad, QStringLiteral("http://127.0.0.1:8123/_download/artikel_ean_liste.txt"));
    EXPECT_EQ(dm.PROXY_TEST_PFAD,
              QStringLiteral("http://127.0.0.1:8123/_download/_proxytext_kelb_gmbh_ostrelt_zeichwerk"));
}

TEST(DataModule, ShellFolderLookup) {
    ScopedFakePlatform p;
    EXPECT_EQ(TSysFolderLocation(5).GetShellFolder() + QLatin1Char('/'), p->documents);
    struct Row {
        int csidl;
        QString documents;
        const char* message;
    };
    const Row rows[] = {
        {17, p->documents, "Argument ungültig"},
        {5, QString(), "Ordner kann nicht ermittelt werden"},
        {5, p.root() + QStringLiteral("gone/"), "Ordner existiert nicht"},
    };
    for (const Row& r : rows) {
        p->documents = r.documents;
        try {
            TSysFolderLocation(r.csidl).GetShellFolder();
            ADD_FAILURE() << r.message;
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(r.message));
        }
    }
}

} // namespace
