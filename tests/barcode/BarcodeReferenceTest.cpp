// Cross-checks the bar patterns against an independent encoder, libzint.

#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <memory>

using namespace zw;
using zw::test::BarcodeSetup;
using zw::test::configure;

namespace {

struct ZintSymbol {
    int symbology;
    QByteArray input;
    int option2 = 0;
};

struct Encoded {
    QString error;
    QString text;        // zint's human-readable text (the check digits it added)
    QList<QString> rows; // "1" for a dark module, "0" for a light one
};

Encoded zintEncode(const ZintSymbol& z) {
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> s(ZBarcode_Create(), &ZBarcode_Delete);
    s->symbology = z.symbology;
    s->option_2 = z.option2;
    const int rc =
        ZBarcode_Encode(s.get(), reinterpret_cast<const unsigned char*>(z.input.constData()), int(z.input.size()));
    Encoded e;
    if (rc >= ZINT_ERROR) {
        e.error = QString::fromUtf8(s->errtxt);
        return e;
    }
    e.text = QString::fromUtf8(reinterpret_cast<const char*>(s->text));
    for (int r = 0; r < s->rows; ++r) {
        QString row;
        for (int c = 0; c < s->width; ++c)
            row += (s->encoded_data[r][c >> 3] >> (c & 7)) & 1 ? QLatin1Char('1') : QLatin1Char('0');
        e.rows.append(row);
    }
    return e;
}

// Light modules after the last bar are quiet zone, whichever encoder draws them.
QString withoutTrailingSpace(QString modules) {
    while (modules.endsWith(QLatin1Char('0')))
        modules.chop(1);
    return modules;
}

// The modules of our pattern at Modul 1: every element repeated by its width.
QString ourModules(TBarcode& bc) {
    const QString pattern = bc.BuildBarPattern();
    QString modules;
    for (QChar letter : pattern) {
        const TBarElement e = bc.GetElementProps(letter);
        modules += QString(e.width, e.kind == bekSpace ? QLatin1Char('0') : QLatin1Char('1'));
    }
    return withoutTrailingSpace(modules);
}

struct ReferenceRow {
    BarcodeSetup ours;
    ZintSymbol zint;
    const char* note;
};

// The characters from code `first` to code `last`, for rows that walk a whole table.
QByteArray codes(int first, int last) {
    QByteArray s;
    for (int c = first; c <= last; ++c)
        s += char(c);
    return s;
}

// The set-C pairs from `first` to `last` ("00" to "99").
QByteArray pairs(int first, int last) {
    QByteArray s;
    for (int v = first; v <= last; ++v)
        s += QByteArray::number(v).rightJustified(2, '0');
    return s;
}

// Wide elements: zint draws Code 39, Codabar and MSI at 2:1 and the 2 of 5 family at 3:1.
const ReferenceRow referenceRows[] = {
    {{bcCodeEAN13, "4006381333931"}, {BARCODE_EANX, "400638133393"}, ""},
    {{bcCodeEAN13, "5901234123457"}, {BARCODE_EANX, "590123412345"}, ""},
    {{bcCodeEAN13, "978020137962", true}, {BARCODE_EANX, "978020137962"}, "check digit added"},
    {{bcCodeEAN13, ""}, {BARCODE_EANX, "000000000000"}, "thirteen zeros"},
    {{bcCodeEAN8, "96385074"}, {BARCODE_EANX, "9638507"}, ""},
    {{bcCodeEAN8, "5512345", true}, {BARCODE_EANX, "5512345"}, ""},
    {{bcCodeUPC_A, "036000291452"}, {BARCODE_UPCA, "03600029145"}, ""},
    {{bcCodeUPC_A, "03600029145", true}, {BARCODE_UPCA, "03600029145"}, "eleven digits with Checksum"},
    {{bcCodeUPC_A, "72527273070", true}, {BARCODE_UPCA, "72527273070"}, ""},
    {{bcCodeUPC_E0, "1234560"}, {BARCODE_UPCE, "0123456"}, "d6 5-9"},
    {{bcCodeUPC_E0, "1234500"}, {BARCODE_UPCE, "0123450"}, "d6 0"},
    {{bcCodeUPC_E0, "1234510"}, {BARCODE_UPCE, "0123451"}, "d6 1"},
    {{bcCodeUPC_E0, "6543220"}, {BARCODE_UPCE, "0654322"}, "d6 2"},
    {{bcCodeUPC_E0, "1234530"}, {BARCODE_UPCE, "0123453"}, "d6 3"},
    {{bcCodeUPC_E0, "1234540"}, {BARCODE_UPCE, "0123454"}, "d6 4"},
    {{bcCodeUPC_E0, "425261", true}, {BARCODE_UPCE, "0042526"}, "six digits: 0 in front, last dropped"},
    {{bcCodeUPC_E1, "1234560"}, {BARCODE_UPCE, "1123456"}, "number system 1"},
    {{bcCodeUPC_E1, "6543233", true}, {BARCODE_UPCE, "1654323"}, ""},
    {{bcCodeUPC_Supp2, "12"}, {BARCODE_EANX, "12"}, ""},
    {{bcCodeUPC_Supp2, "13"}, {BARCODE_EANX, "13"}, ""},
    {{bcCodeUPC_Supp2, "34"}, {BARCODE_EANX, "34"}, ""},
    {{bcCodeUPC_Supp2, "99"}, {BARCODE_EANX, "99"}, ""},
    {{bcCodeUPC_Supp5, "12345"}, {BARCODE_EANX, "12345"}, ""},
    {{bcCodeUPC_Supp5, "90000"}, {BARCODE_EANX, "90000"}, ""},
    {{bcCodeUPC_Supp5, "54321"}, {BARCODE_EANX, "54321"}, ""},
    {{bcCode128C, "12345678"}, {BARCODE_CODE128, "12345678"}, ""},
    {{bcCode128C, "12345"}, {BARCODE_CODE128, "012345"}, "leading zero"},
    {{bcCode128C, "123456710830212345"}, {BARCODE_CODE128, "123456710830212345"}, "a label's digit row"},
    {{bcCode128C, "00998877665544332211"}, {BARCODE_CODE128, "00998877665544332211"}, ""},
    {{bcCode128B, "Hello world!"}, {BARCODE_CODE128B, "Hello world!"}, ""},
    {{bcCode128B, "~`{|}abc xyz"}, {BARCODE_CODE128B, "~`{|}abc xyz"}, ""},
    {{bcCode128A, QString(QChar(1)) + "ABC"}, {BARCODE_CODE128, "\001ABC"}, "control code in set A"},
    // Every value of the table: set C's pairs, set B's characters, set A's control codes
    // (a control code first keeps zint in set A, whose other characters share set B's values).
    {{bcCode128C, pairs(0, 49)}, {BARCODE_CODE128, pairs(0, 49)}, "values 0-49"},
    {{bcCode128C, pairs(50, 99)}, {BARCODE_CODE128, pairs(50, 99)}, "values 50-99"},
    {{bcCode128B, codes(32, 79)}, {BARCODE_CODE128B, codes(32, 79)}, "values 0-47"},
    {{bcCode128B, codes(80, 126)}, {BARCODE_CODE128B, codes(80, 126)}, "values 48-94"},
    {{bcCode128A, codes(0, 31)}, {BARCODE_CODE128, codes(0, 31)}, "values 64-95"},
    {{bcCodeEAN128C, "901234"}, {BARCODE_GS1_128, "[90]1234"}, "FNC1"},
    {{bcCodeEAN128C, "9012345678"}, {BARCODE_GS1_128, "[90]12345678"}, ""},
    {{bcCode39, "CODE39"}, {BARCODE_CODE39, "CODE39"}, ""},
    {{bcCode39, "CODE39", true}, {BARCODE_CODE39, "CODE39", 1}, "modulo 43"},
    {{bcCode39, "0123456789"}, {BARCODE_CODE39, "0123456789"}, ""},
    {{bcCode39, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}, {BARCODE_CODE39, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}, ""},
    {{bcCode39, "-. $/+%", true}, {BARCODE_CODE39, "-. $/+%", 1}, ""},
    {{bcCode39Extended, "abc"}, {BARCODE_EXCODE39, "abc"}, ""},
    {{bcCode39Extended, "Hi!@#[]{}~"}, {BARCODE_EXCODE39, "Hi!@#[]{}~"}, ""},
    {{bcCode39Extended, QString(QChar(0)) + "\x01\x1f"}, {BARCODE_EXCODE39, QByteArray("\0\x01\x1f", 3)}, ""},
    {{bcCode93, "TEST93"}, {BARCODE_CODE93, "TEST93"}, ""},
    {{bcCode93, "CODE 93-./+%$"}, {BARCODE_CODE93, "CODE 93-./+%$"}, ""},
    {{bcCode93, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
     {BARCODE_CODE93, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
     "weights wrap after 20 and 15"},
    {{bcCode93Extended, "abc"}, {BARCODE_CODE93, "abc"}, "shift characters"},
    {{bcCode93Extended, "Hi!@#[]{}~\x7f"}, {BARCODE_CODE93, "Hi!@#[]{}~\x7f"}, ""},
    {{bcCode_2_5_interleaved, "123456", false, 3.0}, {BARCODE_C25INTER, "123456"}, ""},
    {{bcCode_2_5_interleaved, "1234567", false, 3.0}, {BARCODE_C25INTER, "123456"}, "odd last digit dropped"},
    {{bcCode_2_5_industrial, "0123456789", false, 3.0}, {BARCODE_C25IND, "0123456789"}, ""},
    {{bcCode_2_5_matrix, "0123456789", false, 3.0}, {BARCODE_C25STANDARD, "0123456789"}, ""},
    {{bcCodeMSI, "1234"}, {BARCODE_MSI_PLESSEY, "1234", 1}, "check digit 4"},
    {{bcCodeMSI, "123"}, {BARCODE_MSI_PLESSEY, "123", 1}, "odd length: check digit 0"},
    {{bcCodeMSI, "80523"}, {BARCODE_MSI_PLESSEY, "80523", 1}, ""},
    {{bcCodeMSI, "9"}, {BARCODE_MSI_PLESSEY, "9", 1}, ""},
    {{bcCodeCodabar, "1234"}, {BARCODE_CODABAR, "A1234B"}, "start A, stop B"},
    {{bcCodeCodabar, "0123456789-$:/.+"}, {BARCODE_CODABAR, "A0123456789-$:/.+B"}, ""},
};

TEST(BarcodeReference, PatternsMatchLibzintModuleForModule) {
    for (const ReferenceRow& row : referenceRows) {
        SCOPED_TRACE(QString("%1 '%2' %3").arg(int(row.ours.type)).arg(row.ours.text).arg(row.note).toStdString());
        const Encoded z = zintEncode(row.zint);
        ASSERT_TRUE(z.error.isEmpty()) << z.error.toStdString();
        ASSERT_EQ(z.rows.size(), 1);
        TBarcode bc;
        configure(bc, row.ours);
        EXPECT_EQ(ourModules(bc), withoutTrailingSpace(z.rows[0]));
    }
}

// With Checksum, Text ends in the check digit the standard gives.
TEST(BarcodeReference, CheckDigitsInTextMatchLibzint) {
    const ReferenceRow rows[] = {
        {{bcCodeUPC_A, "03600029145", true}, {BARCODE_UPCA, "03600029145"}, ""},
        {{bcCodeUPC_E0, "123456", true}, {BARCODE_UPCE, "0012345"}, ""},
        {{bcCodeUPC_E0, "6543210", true}, {BARCODE_UPCE, "0654321"}, ""},
        {{bcCodeUPC_E1, "123456", true}, {BARCODE_UPCE, "1012345"}, ""},
        {{bcCodeUPC_E1, "654323", true}, {BARCODE_UPCE, "1065432"}, "six digits: 0 in front"},
        {{bcCodeEAN13, "400638133393", true}, {BARCODE_EANX, "400638133393"}, ""},
    };
    for (const ReferenceRow& row : rows) {
        const Encoded z = zintEncode(row.zint);
        ASSERT_TRUE(z.error.isEmpty()) << z.error.toStdString();
        TBarcode bc;
        configure(bc, row.ours);
        bc.BuildBarPattern();
        const QString text = row.ours.type == bcCodeEAN13 ? bc.DoCheckSumming(bc.Text()) : bc.Text();
        // zint writes UPC-E with its number system in front.
        EXPECT_EQ(text, z.text.right(text.size())) << row.ours.text.toStdString();
    }
}

// POSTNET carries no check digit here; zint always appends the standard's.
// Comparing ours with the digit written out against zint's without it checks
// the bar table. Bars are compared as the sequence of full and half bars.
TEST(BarcodeReference, PostNetBarsMatchLibzint) {
    const std::pair<QByteArray, QString> rows[] = {
        {"12345", "123455"},
        {"555551237", "5555512372"},
        {"00000", "000000"},
        {"67890", "678900"},
    };
    for (const auto& [zintInput, ourText] : rows) {
        const Encoded z = zintEncode({BARCODE_POSTNET, zintInput});
        ASSERT_TRUE(z.error.isEmpty()) << z.error.toStdString();
        ASSERT_EQ(z.rows.size(), 2);
        QString zintBars;
        for (int c = 0; c < z.rows[1].size(); ++c)
            if (z.rows[1][c] == QLatin1Char('1'))
                zintBars += z.rows[0][c] == QLatin1Char('1') ? QLatin1Char('F') : QLatin1Char('h');
        TBarcode bc;
        bc.setTyp(bcCodePostNet);
        bc.setText(ourText);
        QString ourBars;
        for (QChar letter : bc.BuildBarPattern()) {
            const TBarElementKind kind = bc.GetElementProps(letter).kind;
            if (kind != bekSpace)
                ourBars += kind == bekBar ? QLatin1Char('F') : QLatin1Char('h');
        }
        EXPECT_EQ(ourBars, zintBars) << ourText.toStdString();
    }
}

} // namespace
