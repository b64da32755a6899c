#include "cli/Commands.h"

#include "labeldoc/RTFGebindeObjekt.h"

#include <QCommandLineParser>

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli row --format 7|kurz|10|nwep --matnr M --week W --supplier S --index I [--prodnr P]\n"
    "Prints the barcode digit row of a label.\n"
    "  --format    7: 7-digit material number with the 5-digit supplier number;\n"
    "              kurz: 7-digit material number with the 2-digit supplier number;\n"
    "              10: 10-digit material number with the 2-digit supplier number;\n"
    "              nwep: 7-digit material number, production number, 5-digit supplier number\n"
    "  --week      manufacturing week and year, five characters such as 08.13\n"
    "  --index     issue index of the document number (may be empty)\n"
    "  --prodnr    production number (nwep only)\n";

} // namespace

int runRow(const QStringList& args, CliIo& io) {
    CommandOptions cmd("row", kUsage, io);
    QCommandLineParser& parser = cmd.parser;
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("F"));
    const QCommandLineOption matnrOption(QStringLiteral("matnr"), QString(), QStringLiteral("M"));
    const QCommandLineOption weekOption(QStringLiteral("week"), QString(), QStringLiteral("W"));
    const QCommandLineOption supplierOption(QStringLiteral("supplier"), QString(), QStringLiteral("S"));
    const QCommandLineOption indexOption(QStringLiteral("index"), QString(), QStringLiteral("I"));
    const QCommandLineOption prodnrOption(QStringLiteral("prodnr"), QString(), QStringLiteral("P"));
    if (const int status =
            cmd.parse({formatOption, matnrOption, weekOption, supplierOption, indexOption, prodnrOption}, args);
        status != GoOn)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return cmd.badInput(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    // A forgotten supplier number or index would still give a row that scans, only a wrong one.
    for (const QCommandLineOption* required : {&formatOption, &matnrOption, &weekOption, &supplierOption, &indexOption})
        if (!parser.isSet(*required))
            return cmd.badInput(QStringLiteral("--%1 is required").arg(required->names().first()));

    const QString format = parser.value(formatOption);
    const QString matNr = parser.value(matnrOption);
    const QString week = parser.value(weekOption);
    const QString supplier = parser.value(supplierOption);
    const QString index = parser.value(indexOption);
    if (format != QLatin1String("nwep") && parser.isSet(prodnrOption))
        return cmd.badInput(QStringLiteral("--prodnr belongs to the nwep format"));

    QString row;
    if (format == QLatin1String("7"))
        row = TRTFGebindeObjekt::ErstelleBarcode_Zahlenreihe7StelligeMatNr(matNr, week, supplier, index);
    else if (format == QLatin1String("kurz"))
        row = TRTFGebindeObjekt::ErstelleBarcode_Zahlenreihe7StelligKurz(matNr, week, supplier, index);
    else if (format == QLatin1String("10"))
        row = TRTFGebindeObjekt::ErstelleBarcode_Zahlenreihe10StelligeMatNr(matNr, week, supplier, index);
    else if (format == QLatin1String("nwep"))
        row = TRTFGebindeObjekt::ErstelleBarcode_ZahlenreiheNWEP(matNr, week, supplier, index,
                                                                 parser.value(prodnrOption));
    else
        return cmd.badInput(QStringLiteral("--format takes 7, kurz, 10 or nwep"));
    io.out << row << "\n";
    return ExitOk;
}

} // namespace zw::cli
