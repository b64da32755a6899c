#include "cli/Commands.h"

#include "base/AppError.h"
#include "cli/ConsolePlatform.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <algorithm>

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli fill --template FILE --out-name NAME [--home DIR] [--value NN=TEXT]...\n"
    "         [--barcode NN=TYPE:TEXT[:ANGLE]]... [--picture NN=FILE]...\n"
    "Fills an RTF label template and prints the path of the written document; nothing is opened.\n"
    "  --template FILE  a template beside the program (VorlageLagerteil_1fach.rtf) or a path to one\n"
    "  --out-name NAME  the document's base name; a held document gets a numbered name\n"
    "  --home DIR       the folder the document goes to (default: the documents folder's KELB_Zeichwerk)\n"
    "  --value NN=TEXT  the text for placeholder @NN\n"
    "  --barcode NN=TYPE:TEXT[:ANGLE]  the barcode picture for @NN, as 'zeichwerk-cli picture' makes it\n"
    "  --picture NN=FILE  the picture in FILE (beside the program unless a path) for @NN, such as KreisS.bmp\n";

struct Entry {
    QString number;
    QString value;
};

// Splits "NN=rest" at its first "=".
bool splitEntry(const QString& option, QString& number, QString& rest) {
    const qsizetype eq = option.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    number = option.left(eq);
    rest = option.mid(eq + 1);
    return true;
}

} // namespace

int runFill(const QStringList& args, CliIo& io) {
    CommandOptions cmd("fill", kUsage, io);
    QCommandLineParser& parser = cmd.parser;
    const QCommandLineOption templateOption(QStringLiteral("template"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption outNameOption(QStringLiteral("out-name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption homeOption(QStringLiteral("home"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption valueOption(QStringLiteral("value"), QString(), QStringLiteral("NN=TEXT"));
    const QCommandLineOption barcodeOption(QStringLiteral("barcode"), QString(), QStringLiteral("NN=TYPE:TEXT"));
    const QCommandLineOption pictureOption(QStringLiteral("picture"), QString(), QStringLiteral("NN=FILE"));
    if (const int status =
            cmd.parse({templateOption, outNameOption, homeOption, valueOption, barcodeOption, pictureOption}, args);
        status != GoOn)
        return status;
    if (!parser.positionalArguments().isEmpty() || !parser.isSet(templateOption) || !parser.isSet(outNameOption)) {
        return cmd.usageError();
    }
    const QString outName = parser.value(outNameOption);
    if (outName.isEmpty() || outName.contains(QLatin1Char('/')) || outName.contains(QLatin1Char('\\')))
        return cmd.badInput(QStringLiteral("--out-name takes a name without folder"));

    QList<Entry> entries;
    for (const QString& v : parser.values(valueOption)) {
        Entry e;
        if (!splitEntry(v, e.number, e.value))
            return cmd.badInput(QStringLiteral("--value '%1' is not NN=TEXT").arg(v));
        entries.append(e);
    }
    for (const QString& b : parser.values(barcodeOption)) {
        Entry e;
        QString barcode;
        const QStringList parts = splitEntry(b, e.number, barcode) ? barcode.split(QLatin1Char(':')) : QStringList();
        if (parts.size() < 2 || parts.size() > 3)
            return cmd.badInput(QStringLiteral("--barcode '%1' is not NN=TYPE:TEXT[:ANGLE]").arg(b));
        e.value = barcodePictureGroup(parts[0], parts[1], parts.value(2));
        entries.append(e);
    }
    ConsolePlatform console(io.err);
    const QFileInfo templateFile(parser.value(templateOption));
    if (parser.value(templateOption).contains(QLatin1Char('/')))
        console.programFolderOverride = withTrailingSlash(templateFile.absolutePath());
    ProgramScope globals(&console);

    for (const QString& p : parser.values(pictureOption)) {
        Entry e;
        QString file;
        if (!splitEntry(p, e.number, file) || file.isEmpty())
            return cmd.badInput(QStringLiteral("--picture '%1' is not NN=FILE").arg(p));
        if (!file.contains(QLatin1Char('/')))
            file = platform().programFolder() + file;
        const QImage image(file);
        if (image.isNull())
            return cmd.badInput(QStringLiteral("cannot read the picture ") + file);
        e.value =
            TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(image, image.width(), image.height(), QString(), nullptr);
        entries.append(e);
    }
    // The forms add their values in ascending placeholder order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.number < b.number; });

    QString home = parser.isSet(homeOption) ? parser.value(homeOption)
                                            : platform().documentsFolder() + QStringLiteral("KELB_Zeichwerk");
    if (!parser.isSet(homeOption))
        QDir().mkpath(home);
    if (!QFileInfo(home).isDir())
        return cmd.badInput(QStringLiteral("home folder not found: ") + home);

    TDataModule1& dm = globals.createDataModule();
    dm.homedir = withTrailingSlash(QFileInfo(home).absoluteFilePath());

    TRTFGebindeObjekt builder;
    builder.sVorlageDatei = templateFile.fileName();
    builder.sErgebnisDatei = outName;
    for (const Entry& e : entries)
        builder.AddEinWert(e.number, e.value);
    io.out << builder.ErstelleRTF() << "\n";
    return ExitOk;
}

} // namespace zw::cli
