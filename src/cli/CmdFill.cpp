#include "cli/Commands.h"

#include "base/AppError.h"
#include "cli/ConsolePlatform.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>

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
    "  --barcode NN=TYPE:TEXT[:ANGLE]  the barcode picture for @NN, as 'zeichwerk-cli picture' makes it;\n"
    "                   TEXT may hold \":\"; a last field 0 or -90 is the angle (TYPE:12:0:0 for the text 12:0)\n"
    "  --picture NN=FILE  the picture in FILE (beside the program unless a path) for @NN, such as KreisS.bmp\n"
    "Entries go into the document in the order given: of two for one placeholder (@0a and @0A are one),\n"
    "the first fills it.\n";

struct Entry {
    QString number;
    QString value;
};

// Splits "TYPE:TEXT[:ANGLE]": TEXT may hold ":", so only a last field that is
// an angle of the label pictures (0 or -90) is taken as the angle.
bool splitBarcode(const QString& barcode, QString& type, QString& text, QString& angle) {
    const qsizetype colon = barcode.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return false;
    type = barcode.left(colon);
    text = barcode.mid(colon + 1);
    angle.clear();
    const qsizetype last = text.lastIndexOf(QLatin1Char(':'));
    const QString lastField = last < 0 ? QString() : text.mid(last + 1);
    if (lastField == QLatin1String("0") || lastField == QLatin1String("-90")) {
        angle = lastField;
        text.truncate(last);
    }
    return true;
}

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

    ConsolePlatform console(io.err);
    const QFileInfo templateFile(parser.value(templateOption));
    if (parser.value(templateOption).contains(QLatin1Char('/')))
        console.programFolderOverride = withTrailingSlash(templateFile.absolutePath());
    ProgramScope globals(&console);

    // The entries in the order given, across the three options: of two for one
    // placeholder the builder keeps the first, as the user wrote it first.
    QList<Entry> entries;
    QHash<QString, qsizetype> taken; // option name -> values used so far
    for (const QString& name : parser.optionNames()) {
        if (name != QLatin1String("value") && name != QLatin1String("barcode") && name != QLatin1String("picture"))
            continue;
        const QString given = parser.values(name).value(taken[name]++);
        Entry e;
        QString rest;
        const bool split = splitEntry(given, e.number, rest);
        if (name == QLatin1String("value")) {
            if (!split)
                return cmd.badInput(QStringLiteral("--value '%1' is not NN=TEXT").arg(given));
            e.value = rest;
        } else if (name == QLatin1String("barcode")) {
            QString type, text, angle;
            if (!split || !splitBarcode(rest, type, text, angle))
                return cmd.badInput(QStringLiteral("--barcode '%1' is not NN=TYPE:TEXT[:ANGLE]").arg(given));
            e.value = barcodePictureGroup(type, text, angle);
        } else {
            if (!split || rest.isEmpty())
                return cmd.badInput(QStringLiteral("--picture '%1' is not NN=FILE").arg(given));
            const QString file = rest.contains(QLatin1Char('/')) ? rest : platform().programFolder() + rest;
            const QImage image(file);
            if (image.isNull())
                return cmd.badInput(QStringLiteral("cannot read the picture ") + file);
            e.value = TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(image, image.width(), image.height(), QString(),
                                                                        nullptr);
        }
        entries.append(e);
    }

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
