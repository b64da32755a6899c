#pragma once

#include "base/TextFile.h"
#include "core/Artikel.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "texts/UebText.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>

namespace zw::test {

// An article with the fields the label forms use.
inline TArtikel makeArticle(const QString& matNr, const QString& benennung, const QString& ean = QString()) {
    TArtikel a;
    a.MaterialNr = matNr;
    a.Benennung = benennung;
    a.EAN = ean;
    a.ZeichnNr = QStringLiteral("11-05-044-010");
    a.IndexZNr = QStringLiteral("04");
    a.MQSNr = QStringLiteral("00-00-000-000");
    a.IndexMQS = QStringLiteral("00");
    a.KSTNr = QStringLiteral("00-00-000-000");
    a.IndexKST = QStringLiteral("00");
    a.Kelblagerplatz = QStringLiteral("B-03-01");
    a.Stueckzahl = QStringLiteral("2");
    a.Einheit = QStringLiteral("Stk");
    a.Lieferantenfeld = QStringLiteral("Los 7");
    a.Pruefung100 = QStringLiteral("false");
    a.SSymbol = QStringLiteral("false");
    return a;
}

// Copies a file of the repository's resources folder into `folder`.
inline void installResource(const QString& name, const QString& folder) {
    const QString target = folder + name;
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZW_RESOURCES_DIR "/") + name, target)) << name.toStdString();
}

// A template whose lines show each placeholder's value on its own line
// ("V01=@01"), written in place of the program folder's `file`.
inline void installValueTemplate(const QString& programFolder, const QString& file, int placeholders) {
    QStringList lines{QStringLiteral("{\\rtf1\\ansi")};
    for (int n = 1; n <= placeholders; ++n)
        lines << QStringLiteral("V%1=@%1").arg(n, 2, 10, QLatin1Char('0'));
    lines << QStringLiteral("}");
    writeTextFile(programFolder + file, lines, TextEncoding::Windows1252, false);
}

// Placeholder number -> value as written into a document of a value template.
inline QHash<QString, QString> documentValues(const QString& document) {
    TextDocument doc;
    EXPECT_TRUE(readTextFile(document, doc));
    QHash<QString, QString> out;
    for (const QString& line : doc.lines)
        if (line.startsWith(QLatin1Char('V')) && line.size() >= 4 && line.at(3) == QLatin1Char('='))
            out.insert(line.mid(1, 2), line.mid(4));
    return out;
}

// A temporary installation: fake platform, program folder with the label
// templates, symbol, language files and a Barcode.ini, a home folder that is
// also the article folder, and a data module installed as DataModule1. The
// catalogue is the installation's own.
class LabelInstallation {
public:
    LabelInstallation() {
        for (const char* name :
             {"VorlageLagerteil_1fach.rtf", "VorlageLagerteil_4fach.rtf", "VorlageAuftragsteil_1fach.rtf",
              "VorlageAuftragsteil_4fach.rtf", "VorlageSonderteil_1fach.rtf", "VorlageSonderteil_4fach.rtf",
              "KreisS.bmp", "SpracheD.txt", "SpracheGB.txt"})
            installResource(QLatin1String(name), program());
        writeProgramSettings("[Einstellungen]\r\nSAPLieferantennummer=12345\r\nLieferantennummerKurz=42\r\n");
        dataModule = &globals.createDataModule();
        dataModule->homedir = platform.root() + QStringLiteral("home/");
        dataModule->ArtikelnummerPflegePfad = dataModule->homedir;
        QDir().mkpath(dataModule->homedir);
    }
    LabelInstallation(const LabelInstallation&) = delete;
    LabelInstallation& operator=(const LabelInstallation&) = delete;

    FakePlatform& fake() { return platform.fake; }
    QString program() const { return platform.fake.program; }
    QString home() const { return dataModule->homedir; }
    TArtikelListe& articles() { return dataModule->myDaten.ArtikelListe; }

    // The type plate's six templates into the program folder.
    void installTypePlateTemplates() const {
        for (const char* copies : {"_1fach", "_4fach"})
            for (const char* size : {"", "_klein", "_sehrklein"})
                installResource(
                    QStringLiteral("VorlageEinzelteil%1%2.rtf").arg(QLatin1String(copies), QLatin1String(size)),
                    program());
    }

    void writeProgramSettings(const QByteArray& ini) { writeFile(program() + QStringLiteral("Barcode.ini"), ini); }
    void addArticles(std::initializer_list<TArtikel> list) {
        for (const TArtikel& a : list)
            articles().Add(a);
    }

    ScopedFakePlatform platform;
    ProgramScope globals{&platform.fake};
    TDataModule1* dataModule = nullptr;
};

} // namespace zw::test
