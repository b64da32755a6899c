// Fills label templates through the command line's fill command, has LibreOffice
// turn the documents into PDF, rasterises them at printer resolutions and reads
// them with a real scanner (zbarimg). It needs soffice, pdftoppm, pdftotext,
// pdfimages and zbarimg and fails, rather than skips, without them. Set
// ZW_E2E_KEEP to keep the documents, PDFs and rasters for a look.

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>
#include <map>

using zw::test::CliResult;
using zw::test::runCliCommand;

namespace {

const QString Row = QStringLiteral("123456710830212345");
const QString Ean = QStringLiteral("4006381333931");
// The NWEP row of the same article, week, index and supplier with production number 000123.
const QString NwepRow = QStringLiteral("123456710830200012312345");
constexpr int SweepPositions = 24;

// A label of the demo articles made by `label auftragsteil`: its digit row and EAN.
const QString OrderRow = QStringLiteral("100204420850447110");
const QString OrderEan = QStringLiteral("4012345020441");

struct Document {
    QString name;      // output name, also the PDF's base name
    int columns;       // labels across a sheet
    int rows;          // labels down a sheet
    int pictures;      // pictures per label
    QStringList texts; // what the text layer must hold on every label
    // The symbols every label carries, as zbarimg names them.
    QStringList symbols = {"CODE-128:" + Row, "EAN-13:" + Ean};
};

// A type plate with a memo of seven lines.
QStringList typePlateTexts() {
    return {"1234567", "Kühlmittelpumpe KP 40", "Förderhöhe 12 m", "Zeile 7", "1083", Row, "EEI ≤ 0,23", "Charge 7"};
}

QStringList typePlateValues() {
    return {"--value",
            "01=1234567",
            "--value",
            "02=Kühlmittelpumpe KP 40\r\n230 V  50 Hz\r\nFörderhöhe 12 m\r\nZeile 4\r\nZeile 5\r\n"
            "Zeile 6\r\nZeile 7",
            "--barcode",
            "03=bcCode128C:" + Row,
            "--value",
            "04=1083",
            "--value",
            "05=" + Row,
            "--value",
            "06=EEI ≤ 0,23",
            "--value",
            "10=Charge 7"};
}

const QList<Document>& labelDocuments() {
    static const QStringList stockTexts = {"Kühlmittelpumpe", "Größe XL", "2,5 m²",     "12-34-567-890",
                                           "Regal Ä-12",      "100%",     "09.12.2026", "Müller",
                                           "Preis 12,50 €",   Row,        "006381",     "333931"};
    static const QList<Document> docs = {
        {"Lagerteil_1fach", 1, 1, 3, stockTexts},
        {"Lagerteil_4fach", 2, 2, 3, stockTexts},
        {"ErsatzteilKarton_1fach",
         1,
         1,
         2,
         {"1234567", "Dichtung für Tür", "Door seal", "Уплотнение", "EEI ≤ 0,23", Row, "006381"}},
        // Made by the label commands from the demo installation's articles.
        {"Auftragsteil_1fach",
         1,
         1,
         3,
         {"Flansch DN50", "1002044", "4500123456", "20", OrderRow, "012345", "020441", "Schmelze 55821", "Müller"},
         {"CODE-128:" + OrderRow, "EAN-13:" + OrderEan}},
        {"Sonderteil_4fach",
         2,
         2,
         0,
         {"Sonderflansch mit Gewinde", "bohrungen", "4711", "4500123", "47110", "1250", "kg", "Kreiselpumpe KP 50",
          "Außenlager C", "100%", "Müller"},
         {}},
        // Made by the spare-part label's own logic (label ersatzteil): the carton prints the turned pictures.
        {"ErsatzteilKarton_4fach", 2, 2, 2, {"1234567", "Dichtung für Tür", "Уплотнение", Row, "1083", "006381"}},
        {"ErsatzteilBeutel_8fach",
         2,
         4,
         2,
         {"1234567", "Dichtung für Tür", "Door seal", "EEI ≤ 0,23", NwepRow, "006381"},
         {"CODE-128:" + NwepRow, "EAN-13:" + Ean}},
        {"Einzelteil_1fach", 1, 1, 1, typePlateTexts(), {"CODE-128:" + Row}},
        {"Einzelteil_1fach_klein", 1, 1, 1, typePlateTexts(), {"CODE-128:" + Row}},
        {"Einzelteil_1fach_sehrklein", 1, 1, 1, typePlateTexts(), {"CODE-128:" + Row}},
    };
    return docs;
}

QStringList stockValues() {
    return {"--value",   "01=Kühlmittelpumpe",
            "--value",   "02=Größe XL",
            "--value",   "03=12-34-567-890",
            "--value",   "04=02",
            "--value",   "05=1234567",
            "--value",   "06=2,5 m²",
            "--value",   "07=12345",
            "--barcode", "08=bcCode128C:" + Row,
            "--value",   "09=" + Row,
            "--barcode", "10=bcCodeEAN13:" + Ean,
            "--value",   "11=4  006381  333931",
            "--value",   "12=Regal Ä-12",
            "--value",   "13=100%",
            "--value",   "14=09.12.2026",
            "--value",   "15=Müller",
            "--value",   "16=Preis 12,50 €",
            "--picture", "17=KreisS.bmp"};
}

QStringList cartonValues() {
    return {"--value",   "01=1234567",
            "--value",   "02=Dichtung für Tür",
            "--value",   "03=Door seal",
            "--value",   "04=Joint",
            "--value",   "05=Junta",
            "--value",   "06=Уплотнение",
            "--value",   "07=frei",
            "--barcode", "08=bcCodeEAN13:" + Ean + ":-90",
            "--value",   "09=4  006381  333931",
            "--barcode", "13=bcCode128C:" + Row + ":-90",
            "--value",   "14=K-7",
            "--value",   "15=" + Row,
            "--value",   "16=EEI ≤ 0,23"};
}

// A program folder with the spare-part templates and an article folder with one
// article, for the label command; returns what went wrong, or nothing.
QString installSparePart(const QDir& root) {
    QString failure;
    root.mkpath(QStringLiteral("program"));
    root.mkpath(QStringLiteral("articles"));
    for (const char* name :
         {"VorlageErsatzteilKarton_4fach.rtf", "VorlageErsatzteilBeutel_8fach.rtf", "SpracheD.txt", "SpracheGB.txt"})
        if (!QFile::copy(QLatin1String(name), root.filePath(QStringLiteral("program/")) + QLatin1String(name)))
            failure += QStringLiteral("cannot copy %1; ").arg(QLatin1String(name));
    const auto write = [&](const QString& path, const QByteArray& text) {
        QFile f(root.filePath(path));
        if (!f.open(QIODevice::WriteOnly) || f.write(text) < 0)
            failure += "cannot write " + path + "; ";
    };
    write(QStringLiteral("program/Barcode.ini"), "[Einstellungen]\r\nSAPLieferantennummer=12345\r\n"
                                                 "LieferantennummerKurz=42\r\nOffline=true\r\nArtNrPfad=" +
                                                     root.filePath(QStringLiteral("articles/")).toUtf8() + "\r\n");
    write(QStringLiteral("articles/Artikel.ini"),
          "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=1\r\n\r\n[TArtikel_1]\r\nMatNr=1234567\r\n"
          "Bezeichnung=Dichtung\r\nEAN=" +
              Ean.toUtf8() +
              "\r\nZeichnNr=11-05-044-010\r\nIndexZNr=02\r\nMQSNr=00-00-000-000\r\nIndexMQS=00\r\n"
              "KSTNr=00-00-000-000\r\nIndexKST=00\r\nSprache_1=Dichtung für Tür\r\nSprache_2=Door seal\r\n"
              "Sprache_3=Joint\r\nSprache_4=Junta\r\nSprache_5=Уплотнение\r\nSprache_6=frei\r\n"
              "Lagerplatz=\r\nStueckzahl=1\r\nEinheit=Stk\r\nLieferantenfeld=\r\n100%_Pruef=false\r\n"
              "Sicherheit=false\r\n");
    return failure;
}

// One small page per position: the pictures move by one twip (1/1440 inch) from
// page to page, so the rasters cut the bars at ever other places.
QByteArray sweepTemplate(bool rotated) {
    QByteArray rtf = rotated ? "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\paperw2400\\paperh4200"
                             : "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\paperw4500\\paperh1800";
    rtf += "\\margl300\\margr300\\margt300\\margb300\r\n";
    for (int k = 0; k < SweepPositions; ++k) {
        const QByteArray n = QByteArray::number(k);
        rtf += rotated ? "\\pard\\li300\\sb" + n + " @01\\tab @02\\par\r\n"
                       : "\\pard\\li" + n + "\\sa120 @01\\par\\pard\\li" + n + " @02\\par\r\n";
        if (k + 1 < SweepPositions)
            rtf += "\\page\r\n";
    }
    return rtf + "}\r\n";
}

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun run(const QString& program, const QStringList& args, int timeoutMs = 120000) {
    QProcess p;
    p.start(program, args);
    ToolRun r;
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = program + QStringLiteral(" did not run to its end: ") + p.errorString();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The symbols zbarimg reads in each file, as "TYPE:data" by file name. One run per
// file: a run over several files carries what it saw into the next ones and reads
// symbols a single scan of that file would miss.
std::map<QString, QStringList> scan(const QString& zbarimg, const QStringList& files) {
    std::map<QString, QStringList> found;
    for (const QString& f : files)
        found[QFileInfo(f).fileName()] = run(zbarimg, {"-q", f}).out.split('\n', Qt::SkipEmptyParts);
    return found;
}

// The documents `label auftragsteil` and `label sonderteil` make on a copy of
// the demo installation (its articles and lists) in `dir`.
QStringList labelCommandDocuments(const QTemporaryDir& dir, QString& failure) {
    const QString program = dir.filePath("program/"), articles = dir.filePath("articles/");
    const QString home = dir.filePath("home");
    QDir().mkpath(program);
    QDir().mkpath(articles);
    // The build's folder holds the templates, the symbol and the language files.
    for (const QString& file : QDir(".").entryList({"Vorlage*.rtf", "KreisS.bmp", "Sprache*.txt"}))
        QFile::copy(file, program + file);
    QFile::copy(QStringLiteral(ZW_DEMO_DIR "/articles/Artikel.ini"), articles + "Artikel.ini");
    QFile settings(QStringLiteral(ZW_DEMO_DIR "/program/Barcode.ini"));
    QFile copy(program + "Barcode.ini");
    if (!settings.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) ||
        copy.write(settings.readAll().replace("@DEMO_ARTICLES@", articles.toLocal8Bit())) < 0)
        failure += "cannot copy the demo's Barcode.ini; ";
    copy.close();
    const QStringList installation{"--program-folder", program,      "--home",      home,
                                   "--date",           "2026-12-09", "--inspector", "Müller"};
    const QList<QStringList> commands = {
        QStringList{"label", "auftragsteil", "--matnr", "1002044", "--week", "08.25", "--quantity", "2", "--unit",
                    "Stk", "--order", "4500123456", "--position", "20"},
        QStringList{"label",         "sonderteil",
                    "--copies",      "4",
                    "--designation", "Sonderflansch mit Gewindebohrungen",
                    "--po-number",   "4711",
                    "--po-position", "10",
                    "--order",       "4500123",
                    "--position",    "3",
                    "--quantity",    "1250",
                    "--unit",        "kg",
                    "--device-type", "Kreiselpumpe KP 50",
                    "--storage",     "Außenlager C",
                    "--inspected100"},
    };
    QStringList documents;
    for (const QStringList& command : commands) {
        const CliResult res = runCliCommand(command + installation);
        if (res.status != 0)
            failure += command.join(' ') + ": " + res.err.trimmed() + "; ";
        documents.append(res.out.trimmed());
    }
    return documents;
}

// Everything the tests look at, made once for all of them.
struct Rendered {
    QString failure; // why the documents could not be made
    QTemporaryDir dir;
    QString zbarimg, pdftoppm, pdftotext, pdfimages;

    QString pdf(const QString& name) const { return dir.filePath("pdf/" + name + ".pdf"); }

    // Rasterises every page of a PDF and cuts each page into columns x rows tiles;
    // returns the tile files, page by page, row by row.
    QStringList tiles(const QString& name, int dpi, int columns, int rows) const {
        const QString prefix = dir.filePath(QStringLiteral("raster/%1-%2").arg(name).arg(dpi));
        const ToolRun r = run(pdftoppm, {"-r", QString::number(dpi), "-gray", "-png", pdf(name), prefix});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QStringList pages = QDir(dir.filePath("raster")).entryList({QFileInfo(prefix).fileName() + "-*.png"});
        QStringList out;
        for (const QString& page : pages) {
            if (columns * rows == 1) {
                out.append(dir.filePath("raster/" + page));
                continue;
            }
            const QImage image(dir.filePath("raster/" + page));
            const int w = image.width() / columns, h = image.height() / rows;
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < columns; ++x) {
                    const QString tile = dir.filePath(QStringLiteral("tiles/%1-%2-%3.png").arg(page).arg(y).arg(x));
                    image.copy(x * w, y * h, w, h).save(tile);
                    out.append(tile);
                }
        }
        return out;
    }
};

QString requireTool(const QString& name, const char* package, QString& failure) {
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        failure += QStringLiteral("%1 not found (install %2); ").arg(name, QLatin1String(package));
    return path;
}

const Rendered& rendered() {
    static Rendered* r = [] {
        auto* s = new Rendered;
        QString& failure = s->failure;
        const QString soffice = requireTool("soffice", "libreoffice-writer-nogui", failure);
        s->zbarimg = requireTool("zbarimg", "zbar-tools", failure);
        s->pdftoppm = requireTool("pdftoppm", "poppler-utils", failure);
        s->pdftotext = requireTool("pdftotext", "poppler-utils", failure);
        s->pdfimages = requireTool("pdfimages", "poppler-utils", failure);
        if (!failure.isEmpty())
            return s;
        if (qEnvironmentVariableIsSet("ZW_E2E_KEEP")) {
            s->dir.setAutoRemove(false);
            std::cout << "[ kept     ] " << s->dir.path().toStdString() << "\n";
        }
        const QString home = s->dir.filePath("home");
        for (const char* sub : {"home", "pdf", "raster", "tiles", "templates"})
            QDir().mkpath(s->dir.filePath(sub));

        struct Fill {
            QString templ;
            QString outName;
            QStringList values;
        };
        QList<Fill> fills = {
            {"VorlageLagerteil_1fach.rtf", "Lagerteil_1fach", stockValues()},
            {"VorlageLagerteil_4fach.rtf", "Lagerteil_4fach", stockValues()},
            {"VorlageErsatzteilKarton_1fach.rtf", "ErsatzteilKarton_1fach", cartonValues()},
        };
        for (const char* size : {"", "_klein", "_sehrklein"})
            fills.append({"VorlageEinzelteil_1fach" + QLatin1String(size) + ".rtf",
                          "Einzelteil_1fach" + QLatin1String(size), typePlateValues()});
        for (const bool rotated : {false, true}) {
            const QString name = rotated ? "sweep_rotated" : "sweep_upright";
            const QString templ = s->dir.filePath("templates/" + name + ".rtf");
            QFile f(templ);
            if (!f.open(QIODevice::WriteOnly) || f.write(sweepTemplate(rotated)) < 0)
                failure += "cannot write " + templ + "; ";
            const QString angle = rotated ? ":-90" : "";
            fills.append({templ,
                          name,
                          {"--barcode", "01=bcCode128C:" + Row + angle, "--barcode", "02=bcCodeEAN13:" + Ean + angle}});
        }
        QStringList documents = labelCommandDocuments(s->dir, failure);
        // An installation of its own: the demo installation above holds other articles.
        const QString spare = s->dir.filePath("spare");
        QDir().mkpath(spare);
        failure += installSparePart(QDir(spare));
        const QStringList installation{"--program-folder", spare + "/program", "--home", home,
                                       "--matnr",          "1234567",          "--week", "08.13"};
        for (const QStringList& args :
             {QStringList{"--copies", "4"}, QStringList{"--version", "bag", "--copies", "8", "--barcode-type", "nwep",
                                                        "--prodnr", "000123", "--eei"}}) {
            const CliResult res = runCliCommand(QStringList{"label", "ersatzteil"} + installation + args);
            if (res.status != 0)
                failure += "label ersatzteil " + args.join(' ') + ": " + res.err.trimmed() + "; ";
            documents.append(res.out.trimmed());
        }
        for (const Fill& fill : fills) {
            const CliResult res = runCliCommand(
                QStringList{"fill", "--template", fill.templ, "--out-name", fill.outName, "--home", home} +
                fill.values);
            if (res.status != 0)
                failure += "fill " + fill.outName + ": " + res.err.trimmed() + "; ";
            documents.append(res.out.trimmed());
        }
        if (!failure.isEmpty())
            return s;

        // A profile of its own keeps parallel runs and the user's settings out of the way.
        const ToolRun conv = run(soffice,
                                 QStringList{"-env:UserInstallation=file://" + s->dir.filePath("profile"), "--headless",
                                             "--convert-to", "pdf", "--outdir", s->dir.filePath("pdf")} +
                                     documents,
                                 300000);
        for (const QString& document : documents) {
            const QString name = QFileInfo(document).completeBaseName();
            if (!QFile::exists(s->pdf(name)))
                failure += "LibreOffice made no PDF of " + name + " (" + conv.err.trimmed() + "); ";
        }
        return s;
    }();
    return *r;
}

#define REQUIRE_RENDERED(r)                                                                                            \
    const Rendered& r = rendered();                                                                                    \
    ASSERT_TRUE(r.failure.isEmpty()) << r.failure.toStdString()

TEST(LabelDocumentsInLibreOffice, TextLayerHoldsEveryValueOnEveryLabel) {
    REQUIRE_RENDERED(r);
    for (const Document& d : labelDocuments()) {
        const ToolRun text = run(r.pdftotext, {r.pdf(d.name), "-"});
        ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
        for (const QString& value : d.texts)
            EXPECT_GE(text.out.count(value), d.columns * d.rows) << d.name.toStdString() << ": " << value.toStdString();
    }
}

TEST(LabelDocumentsInLibreOffice, PicturesAreDrawnAtTheirGoalSize) {
    REQUIRE_RENDERED(r);
    for (const Document& d : labelDocuments()) {
        const ToolRun list = run(r.pdfimages, {"-list", r.pdf(d.name)});
        ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
        // Columns: page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts).mid(2);
        EXPECT_EQ(lines.size(), d.pictures * d.columns * d.rows) << d.name.toStdString();
        for (const QString& line : lines) {
            const QStringList f = line.simplified().split(' ');
            ASSERT_GE(f.size(), 14) << line.toStdString();
            // 15 twips per pixel is 96 pixels per inch: anything else is a picture scaled off its goal size.
            EXPECT_EQ(f[12], "96") << d.name.toStdString() << ": " << line.toStdString();
            EXPECT_EQ(f[13], "96") << d.name.toStdString() << ": " << line.toStdString();
        }
    }
}

TEST(LabelDocumentsInLibreOffice, EveryCopyScansAtPrinterResolutions) {
    REQUIRE_RENDERED(r);
    for (const int dpi : {300, 203}) {
        for (const Document& d : labelDocuments()) {
            const QStringList& expected = d.symbols;
            const QStringList tiles = r.tiles(d.name, dpi, d.columns, d.rows);
            ASSERT_EQ(tiles.size(), d.columns * d.rows) << d.name.toStdString();
            const auto found = scan(r.zbarimg, tiles);
            int read = 0;
            for (const QString& tile : tiles) {
                const QStringList symbols = found.at(QFileInfo(tile).fileName());
                for (const QString& symbol : expected) {
                    const bool ok = symbols.contains(symbol);
                    read += ok ? 1 : 0;
                    // 300 dpi must read everything; at 203 dpi a module is 2.1 dots wide and some
                    // positions are known to miss, so that resolution is measured, not required.
                    if (dpi == 300) {
                        EXPECT_TRUE(ok) << d.name.toStdString() << " " << tile.toStdString() << ": "
                                        << symbol.toStdString() << " not read, got "
                                        << symbols.join(", ").toStdString();
                    }
                }
            }
            std::cout << "[ scanned  ] " << d.name.toStdString() << " at " << dpi << " dpi: " << read << " of "
                      << tiles.size() * expected.size() << " barcodes read\n";
        }
    }
}

TEST(LabelDocumentsInLibreOffice, PositionSweepMeasuresHowWellBarcodesScan) {
    REQUIRE_RENDERED(r);
    for (const QString name : {"sweep_upright", "sweep_rotated"}) {
        for (const int dpi : {600, 300, 203}) {
            const QStringList pages = r.tiles(name, dpi, 1, 1);
            ASSERT_EQ(pages.size(), SweepPositions) << name.toStdString();
            const auto found = scan(r.zbarimg, pages);
            int code128 = 0, ean13 = 0;
            for (const auto& [page, symbols] : found) {
                code128 += symbols.contains("CODE-128:" + Row) ? 1 : 0;
                ean13 += symbols.contains("EAN-13:" + Ean) ? 1 : 0;
            }
            std::cout << "[ sweep    ] " << name.toStdString() << " at " << dpi << " dpi: Code 128 read at " << code128
                      << " of " << SweepPositions << " positions, EAN-13 at " << ean13 << "\n";
            // At 600 dpi a module is over six dots: every position must read, or the picture itself is wrong.
            if (dpi == 600) {
                EXPECT_EQ(code128, SweepPositions) << name.toStdString();
                EXPECT_EQ(ean13, SweepPositions) << name.toStdString();
            }
        }
    }
}

} // namespace
