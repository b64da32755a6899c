#include "ResourceTestSupport.h"

#include <zint.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTransform>
#include <QUrl>

#include <memory>

namespace zw::test {

QString resourcePath(const QString& name) {
    return QStringLiteral(ZW_RESOURCES_DIR "/") + name;
}

QByteArray readResource(const QString& name) {
    QFile f(resourcePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString missingTool(const QString& program) {
    if (!QStandardPaths::findExecutable(program).isEmpty())
        return {};
    static const QHash<QString, QString> packages = {{"soffice", "libreoffice-writer-nogui"},
                                                     {"pdftotext", "poppler-utils"},
                                                     {"pdftoppm", "poppler-utils"},
                                                     {"pdfinfo", "poppler-utils"},
                                                     {"zbarimg", "zbar-tools"}};
    return QStringLiteral("%1 is not installed (Debian package %2; scripts/install-deps.sh installs it)")
        .arg(program, packages.value(program, QStringLiteral("?")));
}

ToolRun runTool(const QString& program, const QStringList& args, int timeoutMs) {
    ToolRun run;
    QProcess p;
    p.start(program, args);
    run.started = p.waitForStarted();
    if (!run.started)
        return run;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

QStringList convertToPdf(const QStringList& documents, const QString& outDir, QString* error) {
    // A profile of its own lets this run beside other LibreOffice runs.
    QTemporaryDir profile;
    const QStringList args = QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(),
                                         "--headless",
                                         "--convert-to",
                                         "pdf",
                                         "--outdir",
                                         outDir} +
                             documents;
    const ToolRun run = runTool("soffice", args, 300000);
    QStringList pdfs;
    for (const QString& doc : documents) {
        const QString pdf = outDir + "/" + QFileInfo(doc).completeBaseName() + ".pdf";
        if (!QFileInfo::exists(pdf)) {
            *error = QStringLiteral("soffice wrote no %1 (exit %2): %3")
                         .arg(pdf)
                         .arg(run.exitCode)
                         .arg(QString::fromLocal8Bit(run.err));
            return {};
        }
        pdfs << pdf;
    }
    return pdfs;
}

QStringList pdfLines(const QString& pdf) {
    QStringList lines;
    for (const QString& line : QString::fromUtf8(runTool("pdftotext", {"-enc", "UTF-8", pdf, "-"}).out).split('\n'))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

namespace {

QString pdfInfo(const QString& pdf, const QString& key) {
    const QString info = QString::fromUtf8(runTool("pdfinfo", {pdf}).out);
    const auto m = QRegularExpression("^" + key + ":\\s*(.*)$", QRegularExpression::MultilineOption).match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

} // namespace

int pdfPages(const QString& pdf) {
    return pdfInfo(pdf, "Pages").toInt();
}

QSizeF pdfPageSize(const QString& pdf) {
    const auto m = QRegularExpression("([0-9.]+) x ([0-9.]+) pts").match(pdfInfo(pdf, "Page size"));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

namespace {

int countWhole(const QString& line, const QString& wanted) {
    int count = 0;
    for (qsizetype at = line.indexOf(wanted); at >= 0; at = line.indexOf(wanted, at + 1)) {
        const qsizetype end = at + wanted.size();
        if ((at == 0 || line.at(at - 1).isSpace()) && (end == line.size() || line.at(end).isSpace()))
            ++count;
    }
    return count;
}

} // namespace

int countOnLines(const QStringList& lines, const QString& value) {
    int fewest = -1;
    for (const QString& part : value.split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts)) {
        int count = 0;
        for (const QString& line : lines)
            count += countWhole(line, part.simplified());
        fewest = fewest < 0 ? count : std::min(fewest, count);
    }
    return std::max(fewest, 0);
}

QString rtfText(const QString& value) {
    QString out;
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if (u == '\t')
            out += QStringLiteral("\\tab ");
        else if (u == '\n')
            out += QStringLiteral("\n\\par ");
        else if (u == '\\' || u == '{' || u == '}')
            out += QLatin1Char('\\') + c;
        else if (u <= 32)
            out += c;
        else
            out += QStringLiteral("\\u%1?").arg(u);
    }
    return out;
}

QImage barcodePicture(Picture kind) {
    const bool ean = kind == Picture::Ean || kind == Picture::EanTurned;
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = ean ? BARCODE_EANX : BARCODE_CODE128;
    symbol->show_hrt = 0;
    symbol->output_options |= BARCODE_NO_QUIET_ZONES;
    symbol->scale = 0.5f; // one pixel per module
    symbol->height = 25;
    const QByteArray data = (ean ? kSampleEan.left(12) : kSampleRow).toLatin1();
    if (ZBarcode_Encode_and_Buffer(symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                                   int(data.size()), 0) >= ZINT_ERROR)
        return {};
    QImage picture(175, 25, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < std::min(25, symbol->bitmap_height); ++y)
        for (int x = 0; x < std::min(175, symbol->bitmap_width); ++x) {
            const unsigned char* rgb = symbol->bitmap + 3 * (y * symbol->bitmap_width + x);
            picture.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
        }
    if (kind == Picture::RowTurned || kind == Picture::EanTurned)
        picture = picture.transformed(QTransform().rotate(90)); // the start of the code at the top
    return picture;
}

QString pictureGroup(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("{\\pict\\pngblip\\picw%1\\pich%2\\picwgoal%3\\pichgoal%4 %5}")
        .arg(image.width())
        .arg(image.height())
        .arg(image.width() * 15)
        .arg(image.height() * 15)
        .arg(QString::fromLatin1(png.toHex().toUpper()));
}

QByteArray fillTemplate(const QByteArray& rtf, const LabelKind& kind) {
    QString doc = QString::fromLatin1(rtf);
    for (const Placeholder& p : kind.placeholders) {
        QString value;
        if (p.picture == Picture::Symbol)
            value = pictureGroup(QImage(resourcePath("KreisS.bmp")));
        else if (p.picture != Picture::None)
            value = pictureGroup(barcodePicture(p.picture));
        else
            value = rtfText(p.value);
        doc.replace(QStringLiteral("@%1").arg(p.number, 2, 10, QLatin1Char('0')), value, Qt::CaseInsensitive);
    }
    return doc.toLatin1();
}

} // namespace zw::test
