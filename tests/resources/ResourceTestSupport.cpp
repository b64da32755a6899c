#include "ResourceTestSupport.h"

#include "FakePlatform.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

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

namespace {

// The builder reads templates from the program folder and writes documents into
// the home folder: here the resources themselves and the caller's folder.
class BuilderFolders {
public:
    explicit BuilderFolders(const QString& home) {
        m_platform.fake.program = resourcePath(QString());
        m_globals.createDataModule().homedir = QDir(home).absolutePath() + QLatin1Char('/');
    }
    BuilderFolders(const BuilderFolders&) = delete;
    BuilderFolders& operator=(const BuilderFolders&) = delete;

private:
    ScopedFakePlatform m_platform;
    ProgramScope m_globals{&m_platform.fake};
};

QString pictureValue(TRTFGebindeObjekt& builder, Picture kind) {
    if (kind == Picture::Symbol) {
        builder.SchreibeBildInRtf(QImage(resourcePath(QStringLiteral("KreisS.bmp"))));
        return builder.RTFBild;
    }
    const bool ean = kind == Picture::Ean || kind == Picture::EanTurned;
    const bool turned = kind == Picture::RowTurned || kind == Picture::EanTurned;
    builder.ErstelleBarcode_EAN_Bitmap(ean ? kSampleEan : kSampleRow, ean ? bcCodeEAN13 : bcCode128C, turned ? -90 : 0);
    builder.SchreibeBildInRtf(turned ? builder.Barcode_EAN_Image_Minus_90_Grad : builder.Barcode_EAN_Image);
    return builder.RTFBild;
}

} // namespace

QString fillTemplate(const TemplateCase& layout, const QString& folder) {
    const BuilderFolders folders(folder);
    TRTFGebindeObjekt builder;
    builder.sVorlageDatei = layout.file;
    builder.sErgebnisDatei = QFileInfo(layout.file).completeBaseName();
    for (const Placeholder& p : layout.kind->placeholders) {
        const QString value = p.picture == Picture::None ? p.value : pictureValue(builder, p.picture);
        builder.AddEinWert(QStringLiteral("%1").arg(p.number, 2, 10, QLatin1Char('0')), value);
    }
    return builder.ErstelleRTF();
}

} // namespace zw::test
