#pragma once

#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "forms/main/FrmMain.h"
#include "texts/UebText.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace zw::test {

// A temporary installation for the main window: program folder with language
// files and a Barcode.ini, a documents folder, an article folder with one
// article. The data module and the main window are made by start().
class MainInstallation {
public:
    MainInstallation() {
        for (const char* name : {"SpracheD.txt", "SpracheGB.txt", "VorlageLagerteil_1fach.rtf"}) {
            QFile::remove(program() + QLatin1String(name));
            EXPECT_TRUE(QFile::copy(QStringLiteral(ZW_RESOURCES_DIR "/") + QLatin1String(name),
                                    program() + QLatin1String(name)));
        }
        QDir().mkpath(articles());
        writeArticles({{"1234567", "Flansch DN50", "4000000000001"}, {"7654321", "Dichtring", ""}});
    }
    ~MainInstallation() { window.reset(); }
    MainInstallation(const MainInstallation&) = delete;
    MainInstallation& operator=(const MainInstallation&) = delete;

    FakePlatform& fake() { return platform.fake; }
    QString program() const { return platform.fake.program; }
    QString articles() const { return platform.root() + QStringLiteral("articles/"); }
    // Where the start-up puts the home folder when the documents folder exists.
    QString home() const { return platform.fake.documents + QStringLiteral("KELB_Zeichwerk/"); }

    // Section Einstellungen of the program folder's Barcode.ini, from "key=value" lines.
    void writeSettings(const QStringList& lines) {
        QByteArray ini = "[Einstellungen]\r\n";
        for (const QString& l : lines)
            ini += l.toUtf8() + "\r\n";
        writeFile(program() + QStringLiteral("Barcode.ini"), ini);
    }

    struct Article {
        const char* matNr;
        const char* benennung;
        const char* ean;
    };
    void writeArticles(std::initializer_list<Article> list) {
        QByteArray ini = "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=" + QByteArray::number(qsizetype(list.size())) + "\r\n\r\n";
        int n = 0;
        for (const Article& a : list) {
            ini += "[TArtikel_" + QByteArray::number(++n) + "]\r\nMatNr=" + a.matNr + "\r\nBezeichnung=" + a.benennung +
                   "\r\nEAN=" + a.ean + "\r\nZeichnNr=11-05-044-010\r\nIndexZNr=04\r\n" +
                   "Lagerplatz=B-03-01\r\nStueckzahl=1\r\nEinheit=Stk\r\n100%_Pruef=false\r\nSicherheit=false\r\n\r\n";
        }
        writeFile(articles() + QStringLiteral("Artikel.ini"), ini);
    }

    void writeEanList(const QByteArray& lines) {
        writeFile(articles() + QStringLiteral("artikel_ean_liste.txt"), lines);
    }

    // The data module and the main window, whose creation runs the start-up.
    TfrmMain& start() {
        globals.createDataModule();
        window = std::make_unique<TfrmMain>();
        return *window;
    }

    // The log file's texts without their time stamps.
    QStringList logTexts() const {
        const QByteArray bytes = readFile(home() + QStringLiteral("__20200203_090507.log"));
        QStringList out;
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.isEmpty())
                continue;
            EXPECT_TRUE(line.startsWith("[2020.02.03 - 09:05:07] ")) << line.constData();
            out.append(QString::fromLatin1(line.mid(24)).chopped(line.endsWith('\r') ? 1 : 0));
        }
        return out;
    }

    ScopedFakePlatform platform;
    ProgramScope globals{&platform.fake};
    std::unique_ptr<TfrmMain> window;
};

// True when `expected` appear in `lines` in this order (others may stand between).
inline bool inOrder(const QStringList& lines, const QStringList& expected) {
    qsizetype at = 0;
    for (const QString& e : expected) {
        at = lines.indexOf(e, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

} // namespace zw::test
