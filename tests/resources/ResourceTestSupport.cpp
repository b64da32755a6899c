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

#include <algorithm>

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

std::vector<PdfWord> pdfWords(const QString& pdf) {
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    const QString xhtml = QString::fromUtf8(runTool("pdftotext", {"-bbox", "-raw", "-enc", "UTF-8", pdf, "-"}).out);
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back({QRectF(topLeft, bottomRight), text});
    }
    return words;
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

// Room is made for barcode pictures up to 2880 twips long, today's are 2625:
// the samples take all of it.
QString widePicture(QString group) {
    return group.replace(QStringLiteral("goal2625"), QStringLiteral("goal2880"));
}

QString pictureValue(TRTFGebindeObjekt& builder, const LayoutParagraph& p, bool widest) {
    if (p.shows == LayoutParagraph::Picture::Symbol) {
        builder.SchreibeBildInRtf(QImage(resourcePath(QStringLiteral("KreisS.bmp"))));
        return builder.RTFBild;
    }
    const bool ean = p.shows == LayoutParagraph::Picture::Ean;
    builder.ErstelleBarcode_EAN_Bitmap(ean ? kSampleEan : kSampleRow, ean ? bcCodeEAN13 : bcCode128C,
                                       p.turned ? -90 : 0);
    builder.SchreibeBildInRtf(p.turned ? builder.Barcode_EAN_Image_Minus_90_Grad : builder.Barcode_EAN_Image);
    return widest ? widePicture(builder.RTFBild) : builder.RTFBild;
}

} // namespace

QString fillTemplate(const TemplateCase& t, const QString& folder, const FillOptions& options) {
    const BuilderFolders folders(folder);
    TRTFGebindeObjekt builder;
    builder.DruckerAufloesung = options.printerDpi;
    builder.sVorlageDatei = t.file;
    builder.sErgebnisDatei = options.name.isEmpty() ? QFileInfo(t.file).completeBaseName() : options.name;
    std::vector<LayoutSpot> spots = t.layout().spots();
    std::sort(spots.begin(), spots.end(), [](const LayoutSpot& a, const LayoutSpot& b) {
        return a.paragraph->placeholder() < b.paragraph->placeholder();
    });
    for (const LayoutSpot& s : spots) {
        const LayoutParagraph& p = *s.paragraph;
        if (p.placeholder())
            builder.AddEinWert(QStringLiteral("%1").arg(p.placeholder(), 2, 10, QLatin1Char('0')),
                               p.picture ? pictureValue(builder, p, options.widestPictures) : p.widestValue());
    }
    return builder.ErstelleRTF();
}

} // namespace zw::test
