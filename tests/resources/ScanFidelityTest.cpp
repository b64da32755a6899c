// Barcodes as a label printer prints them: every template filled by the label
// builder with the screen's pictures and with printer-resolution pictures at
// 203, 300 and 600 dpi, converted by LibreOffice, rasterised by poppler at the
// printer's resolution and read by a scanner, with the pictures moved across
// eight positions within one printer dot.
//
// The pictures are moved by moving the page under the raster: each PDF's page
// box is shifted by k twips (k = 0 to 7) to the left and up, which puts the
// whole content k/1440 inch further right and down on the raster's dots. That
// is what a left and top margin of k twips would do (the word processor lays
// out in whole twips and maps them linearly onto the PDF), without a
// conversion per position: 8 distinct fractions of a dot at 203 dpi (7.1 twips
// a dot), and at 300 and 600 dpi (4.8 and 2.4 twips a dot) the fractions
// k * 300/1440 and k * 600/1440 modulo 1, again 8 distinct ones.
//
// The table of symbols read is printed and written to scan-fidelity.md in the
// working folder (or to $ZW_SCAN_FIDELITY_MD); docs/scan-fidelity.md holds a run.

#include "ResourceTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <iostream>
#include <map>
#include <memory>

namespace zw::test {
namespace {

constexpr int Positions = 8;
const int PrinterResolutions[] = {203, 300, 600};

// A barcode on the unshifted page: the cell it stands in, in millimetres from
// the page's top left, and what the scanner must read.
struct Symbol {
    QRectF cellMm;
    QString expected;
};

std::vector<Symbol> symbolsOf(const TemplateCase& t) {
    std::vector<Symbol> out;
    for (int row = 0; row < t.rows; ++row)
        for (int column = 0; column < t.columns; ++column)
            for (const LayoutSpot& spot : t.layout().spots()) {
                const QPointF origin = t.layout().origin(t.sheet(), column, row);
                if (spot.paragraph->shows == LayoutParagraph::Picture::Row)
                    out.push_back({spot.cell.translated(origin), "CODE-128:" + kSampleRow});
                if (spot.paragraph->shows == LayoutParagraph::Picture::Ean)
                    out.push_back({spot.cell.translated(origin), "EAN-13:" + kSampleEan});
            }
    return out;
}

// A copy of the PDF whose page box is moved by `twips` to the left and up. The
// numbers are rewritten in place, padded to their old length, so that the
// file's cross-reference offsets stay right.
QString shiftedPdf(const QString& pdf, int twips, const QString& name) {
    QFile in(pdf);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray bytes = in.readAll();
    static const QRegularExpression box(
        QStringLiteral(R"(/MediaBox\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"));
    const double d = twips / 20.0; // points
    int boxes = 0;
    const QString latin = QString::fromLatin1(bytes);
    for (auto it = box.globalMatch(latin); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const qsizetype length = m.capturedEnd(4) - m.capturedStart(1);
        QByteArray numbers = QStringLiteral("%1 %2 %3 %4")
                                 .arg(m.captured(1).toDouble() - d, 0, 'f', 4)
                                 .arg(m.captured(2).toDouble() + d, 0, 'f', 4)
                                 .arg(m.captured(3).toDouble() - d, 0, 'f', 4)
                                 .arg(m.captured(4).toDouble() + d, 0, 'f', 4)
                                 .toLatin1();
        EXPECT_LE(numbers.size(), length) << pdf.toStdString();
        numbers = numbers.leftJustified(length, ' ', true);
        bytes.replace(m.capturedStart(1), length, numbers);
        ++boxes;
    }
    EXPECT_GT(boxes, 0) << pdf.toStdString() << ": no page box";
    const QString out = QFileInfo(pdf).dir().filePath(name + QStringLiteral(".pdf"));
    QFile f(out);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return out;
}

// Runs the commands, two at a time (the machines running the tests have two
// cores), and returns what each wrote on its output.
std::vector<QByteArray> runAll(const std::vector<std::pair<QString, QStringList>>& commands) {
    std::vector<QByteArray> outputs(commands.size());
    std::vector<std::pair<size_t, std::unique_ptr<QProcess>>> running;
    auto finishOne = [&running, &outputs] {
        QProcess& p = *running.front().second;
        p.waitForFinished(600000);
        outputs[running.front().first] = p.readAllStandardOutput();
        running.erase(running.begin());
    };
    for (size_t i = 0; i < commands.size(); ++i) {
        if (running.size() >= 2)
            finishOne();
        running.emplace_back(i, std::make_unique<QProcess>());
        QProcess& p = *running.back().second;
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(commands[i].first, commands[i].second);
        p.waitForStarted();
    }
    while (!running.empty())
        finishOne();
    return outputs;
}

// What zbarimg reads in each file: file path -> "TYPE:data" lines.
std::map<QString, QStringList> scanFiles(const QStringList& files) {
    std::vector<std::pair<QString, QStringList>> scans;
    constexpr qsizetype Batch = 400;
    for (qsizetype i = 0; i < files.size(); i += Batch)
        scans.push_back({QStringLiteral("zbarimg"), QStringList{"--xml", "-q"} + files.mid(i, Batch)});
    static const QRegularExpression source(QStringLiteral("<source href='([^']*)'>(.*?)</source>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression symbol(
        QStringLiteral(R"(<symbol type='([^']*)'[^>]*>.*?<data[^>]*><!\[CDATA\[(.*?)\]\]></data>)"),
        QRegularExpression::DotMatchesEverythingOption);
    std::map<QString, QStringList> found;
    for (const QByteArray& out : runAll(scans)) {
        const QString xml = QString::fromUtf8(out);
        for (auto it = source.globalMatch(xml); it.hasNext();) {
            const QRegularExpressionMatch s = it.next();
            QStringList& list = found[s.captured(1)];
            for (auto jt = symbol.globalMatch(s.captured(2)); jt.hasNext();) {
                const QRegularExpressionMatch m = jt.next();
                list << m.captured(1) + QLatin1Char(':') + m.captured(2);
            }
        }
    }
    return found;
}

struct Count {
    int read = 0;
    int total = 0;
    QString cell() const { return QStringLiteral("%1/%2").arg(read).arg(total); }
};

// One column of the table: the pictures of `setting` rasterised at `dpi`.
struct Column {
    int setting;
    int dpi;
    QString title() const {
        return setting ? QStringLiteral("%1 dpi pictures").arg(setting) : QStringLiteral("standard @ %1").arg(dpi);
    }
};

TEST(ScanFidelity, PrinterResolutionPicturesScanAtEveryPosition) {
    for (const QString tool : {"soffice", "pdftoppm", "zbarimg"})
        ASSERT_EQ(missingTool(tool).toStdString(), "");
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (qEnvironmentVariableIsSet("ZW_E2E_KEEP"))
        dir.setAutoRemove(false);
    const std::vector<TemplateCase>& templates = labelTemplates();
    const int settings[] = {0, 203, 300, 600};

    // One document per setting and template, one PDF per position.
    QStringList documents;
    for (const int setting : settings) {
        for (const TemplateCase& t : templates) {
            FillOptions options;
            options.printerDpi = setting;
            options.widestPictures = false;
            options.name = QFileInfo(t.file).completeBaseName() + QStringLiteral("-%1").arg(setting);
            documents << fillTemplate(t, dir.path(), options);
        }
    }
    QString error;
    const QStringList converted = convertToPdf(documents, dir.path(), &error);
    ASSERT_EQ(error.toStdString(), "");
    // pdfs[setting][template][position]
    std::map<int, std::vector<QStringList>> pdfs;
    for (qsizetype d = 0; d < converted.size(); ++d) {
        QStringList positions;
        for (int k = 0; k < Positions; ++k)
            positions << shiftedPdf(converted[d], k,
                                    QFileInfo(converted[d]).completeBaseName() + "-" + QString::number(k));
        pdfs[settings[d / qsizetype(templates.size())]].push_back(positions);
    }
    const qint64 convertedAt = clock.elapsed();

    std::vector<Column> columns;
    for (const int dpi : PrinterResolutions) {
        columns.push_back({0, dpi});
        columns.push_back({dpi, dpi});
    }
    // counts[template][column]
    std::vector<std::vector<Count>> counts(templates.size(), std::vector<Count>(columns.size()));
    std::vector<std::pair<QString, QStringList>> rasters;
    struct Crop {
        size_t templ, column;
        QString file, expected, where;
    };
    std::vector<Crop> crops;
    for (size_t c = 0; c < columns.size(); ++c) {
        const double dotsPerMm = columns[c].dpi / 25.4;
        for (size_t i = 0; i < templates.size(); ++i) {
            const std::vector<Symbol> symbols = symbolsOf(templates[i]);
            for (int k = 0; k < Positions; ++k) {
                const QString& pdf = pdfs[columns[c].setting][i][k];
                for (size_t s = 0; s < symbols.size(); ++s) {
                    // The cell, a little more for the shift, in dots of the raster.
                    const QRectF mm = symbols[s].cellMm.adjusted(-0.3, -0.3, 0.5, 0.5);
                    const QRect dots(int(mm.left() * dotsPerMm), int(mm.top() * dotsPerMm),
                                     int(mm.width() * dotsPerMm) + 1, int(mm.height() * dotsPerMm) + 1);
                    const QString out = dir.filePath(QStringLiteral("crop-%1-%2-%3-%4-%5")
                                                         .arg(columns[c].setting)
                                                         .arg(columns[c].dpi)
                                                         .arg(i)
                                                         .arg(k)
                                                         .arg(s));
                    rasters.push_back(
                        {QStringLiteral("pdftoppm"),
                         {"-r", QString::number(columns[c].dpi), "-png", "-gray", "-singlefile", "-x",
                          QString::number(dots.x()), "-y", QString::number(dots.y()), "-W",
                          QString::number(dots.width()), "-H", QString::number(dots.height()), pdf, out}});
                    crops.push_back({i, c, out + QStringLiteral(".png"), symbols[s].expected,
                                     QStringLiteral("symbol %1 at +%2 twips").arg(s + 1).arg(k)});
                }
            }
        }
    }
    runAll(rasters);
    const qint64 rasterisedAt = clock.elapsed();
    QStringList files;
    for (const Crop& crop : crops)
        files << crop.file;
    const std::map<QString, QStringList> found = scanFiles(files);
    for (const Crop& crop : crops) {
        Count& count = counts[crop.templ][crop.column];
        ++count.total;
        const auto it = found.find(crop.file);
        const bool read = it != found.end() && it->second.contains(crop.expected);
        count.read += read ? 1 : 0;
        if (columns[crop.column].setting != 0) {
            EXPECT_TRUE(read) << templates[crop.templ].file.toStdString() << ", " << crop.where.toStdString() << ", "
                              << columns[crop.column].title().toStdString() << ": "
                              << (it == found.end() ? QString() : it->second.join(", ")).toStdString();
        }
    }

    // The table: template x column, symbols read / symbols, over all positions.
    QString table = QStringLiteral("| Template | symbols |");
    QString rule = QStringLiteral("|---|---:|");
    for (const Column& c : columns) {
        table += QLatin1Char(' ') + c.title() + QStringLiteral(" |");
        rule += QStringLiteral("---:|");
    }
    table += QLatin1Char('\n') + rule + QLatin1Char('\n');
    std::vector<Count> sums(columns.size());
    for (size_t i = 0; i < templates.size(); ++i) {
        const size_t symbols = symbolsOf(templates[i]).size();
        if (symbols == 0)
            continue;
        table += QStringLiteral("| %1 | %2 |").arg(templates[i].file).arg(symbols);
        for (size_t c = 0; c < columns.size(); ++c) {
            table += QLatin1Char(' ') + counts[i][c].cell() + QStringLiteral(" |");
            sums[c].read += counts[i][c].read;
            sums[c].total += counts[i][c].total;
        }
        table += QLatin1Char('\n');
    }
    table += QStringLiteral("| all templates | |");
    for (const Count& s : sums)
        table += QLatin1Char(' ') + s.cell() + QStringLiteral(" |");
    table += QLatin1Char('\n');
    const QString report =
        QStringLiteral("Symbols read over %1 positions within one printer dot (content moved by 0 to %2 twips); "
                       "\"standard @ N\": today's screen pictures rasterised at N dpi, \"N dpi pictures\": "
                       "DruckerAufloesung=N rasterised at N dpi.\n\n")
            .arg(Positions)
            .arg(Positions - 1) +
        table +
        QStringLiteral("\n%1 documents converted in %2 s, %3 crops rasterised in %4 s, scanned in %5 s.\n")
            .arg(documents.size())
            .arg(convertedAt / 1000.0, 0, 'f', 1)
            .arg(crops.size())
            .arg((rasterisedAt - convertedAt) / 1000.0, 0, 'f', 1)
            .arg((clock.elapsed() - rasterisedAt) / 1000.0, 0, 'f', 1);
    std::cout << "\n" << report.toStdString() << std::flush;
    const QString md = qEnvironmentVariableIsSet("ZW_SCAN_FIDELITY_MD") ? qEnvironmentVariable("ZW_SCAN_FIDELITY_MD")
                                                                        : QStringLiteral("scan-fidelity.md");
    QFile out(md);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << md.toStdString();
    out.write(report.toUtf8());
}

} // namespace
} // namespace zw::test
