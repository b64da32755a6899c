#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

using namespace zw;
using zw::test::BarcodeSetup;
using zw::test::bars;
using zw::test::configure;
using zw::test::letters;

namespace {

struct EncodingRow {
    BarcodeSetup setup;
    QString pattern; // or "error: <message>"
    QString textAfter;
    const char* note;
};

// Expected patterns are written from the published tables: EAN/UPC digit sets
// A (L), B (G) and C (R), Code 128/93 module counts, Code 39/Codabar wide flags.
const QString ean13Zeros = "505" + QString("2605").repeated(6) + "05050" + QString("7150").repeated(6) + "505";
const QString ean13Sample = letters("505 2605 0517 0508 0805 2515 0616 05050 5350 5350 5350 7051 5350 6160 505");
const QString ean8Sample = letters("505 1615 1516 0805 0526 05050 5170 5053 5251 7150 505");
const QString upcASample = letters("505 2605 0805 0508 2605 2605 2605 05050 6061 7051 6160 5071 5170 6061 505");
const QString code39Star = "515060605";

const EncodingRow encodingRows[] = {
    {{bcCodeEAN13, "4006381333931"}, ean13Sample, "4006381333931", "parity row of 4 is ABAABB"},
    {{bcCodeEAN13, "400638133393", true}, ean13Sample, "400638133393", "check digit 1 appended, Text kept"},
    {{bcCodeEAN13, "40063813339310", true}, ean13Sample, "40063813339310", "first twelve digits and their check"},
    {{bcCodeEAN13, ""}, ean13Zeros, "", "empty text is thirteen zeros"},
    {{bcCodeEAN13, "12A4"}, ean13Zeros, "000000000", "non-digit text becomes nine zeros"},
    {{bcCodeEAN13, "40063813339310"}, "error: Invalid Text len (EAN13)", "40063813339310", "fourteen digits"},
    {{bcCodeEAN8, "12345670"}, ean8Sample, "12345670", ""},
    {{bcCodeEAN8, "1234567", true}, ean8Sample, "1234567", "check digit 0"},
    {{bcCodeEAN8, "12345678", true},
     letters("505 1516 0805 0526 0625 05050 5053 5251 5152 5170 505"),
     "12345678",
     "eight digits: the last seven and their check 5"},
    {{bcCodeEAN8, "123456789"}, "error: Invalid Text len (EAN8)", "123456789", ""},
    {{bcCodeUPC_A, "03600029145", true},
     upcASample,
     "036000291452",
     "eleven digits keep all of them and gain the check digit"},
    {{bcCodeUPC_A, "36000291452"}, upcASample, "036000291452", "padded to twelve"},
    {{bcCodeUPC_A, "1234567890123", true}, "", "123456789012", "first eleven and the check digit 2"},
    {{bcCodeUPC_E0, "1234567"},
     letters("505 0616 1516 0805 1705 0715 0508 050505"),
     "1234567",
     "check digit of 01234500006 is 5: row EooEEo"},
    {{bcCodeUPC_E0, "123456", true},
     letters("505 0517 1615 1606 0805 1705 0625 050505"),
     "0123457",
     "012345 expands to 00123400005, check digit 7"},
    {{bcCodeUPC_E1, "123456", true},
     letters("505 2605 0616 1516 0805 1705 0715 050505"),
     "0123454",
     "number system 1: 10123400005, check digit 4, inverted row"},
    {{bcCodeUPC_E0, "654321"}, "", "0654321", "padded to seven"},
    {{bcCodeUPC_Supp5, "12345", true},
     letters("506 0616 05 1516 05 0535 05 0526 05 0625"),
     "123451",
     "check digit 1: EoEoo"},
    {{bcCodeUPC_Supp5, "45"}, "", "00045", "padded to five"},
    {{bcCodeUPC_Supp2, "12"}, letters("506 1615 05 1516"), "12", "12 mod 4 = 0: oo"},
    {{bcCodeUPC_Supp2, "13"}, letters("506 1615 05 0535"), "13", "13 mod 4 = 1: oE"},
    {{bcCodeUPC_Supp2, "12", true}, letters("506 1615 05 1516"), "125", "digit appended, not encoded"},
    {{bcCodeUPC_Supp2, "99999999999"}, "error: '99999999999' is not a valid integer value", "99999999999", ""},
    {{bcCode128C, "12345678"}, bars("211232 112232 131123 331121 241112 133121 2331112"), "12345678", "check value 47"},
    {{bcCode128C, "12345"},
     bars("211232 222122 312131 113123 121142 2331112"),
     "012345",
     "odd length gains a leading zero; check value 81"},
    {{bcCodeEAN128C, "123", true},
     bars("211232 411131 112232 112313 212123 2331112"),
     "1236",
     "FNC1, check digit 6, check value 30"},
    {{bcCodeEAN128B, "A1"},
     bars("211214 411131 111323 123221 122231 2331112"),
     "A1",
     "FNC1, then A (33) and 1 (17); check value 14"},
    {{bcCodeEAN128B, "A1", true}, "error: 'A' is not a valid integer value", "A1", ""},
    {{bcCode39, "abc"}, code39Star + "0" + code39Star, "abc", "lower case is not in the table"},
    {{bcCode39, "CODE39", true},
     letters("515060605 0 606051505 0 605060515 0 505061506 0 605061505 0 606150505 0 506150605 0 616050505 0 "
             "515060605"),
     "CODE39",
     "check character W"},
    {{bcCode93, "TEST93"},
     bars("111141 211221 221211 211122 211221 141111 111411 113121 121311 1111411"),
     "TEST93",
     "C = 41 (+), K = 6"},
    {{bcCode93, "abc"}, "error: TBarcode:Code93 bad Data <abc>", "abc", ""},
    {{bcCodeMSI, "1234"}, letters("60 51515160 51516051 51516060 51605151 51605151 515"), "1234", "check digit 4"},
    {{bcCodeMSI, "123"},
     letters("60 51515160 51516051 51516060 51515151 515"),
     "123",
     "check digit counted from the right: 0"},
    {{bcCodeMSI, " 12345 "}, "", "12345", "digits-only text is trimmed"},
    {{bcCodePostNet, "1"}, letters("51 A1A1A15151 5"), "1", "two full bars last"},
    {{bcCode_2_5_interleaved, "12345"}, letters("5050 6051505061 6060515051 605"), "12345", "odd last digit dropped"},
    {{bcCode_2_5_industrial, "0"}, letters("606050 50 50 60 60 50 605060"), "0", ""},
    {{bcCode_2_5_matrix, "0", false, 2.25}, letters("705050 506150 70505"), "0", ""},
    {{bcCodeCodabar, ""}, letters("5061515 0 5151506"), "", "start A, stop B"},
    {{bcCodeCodabar, "1"}, letters("5061515 0 5050615 0 5151506"), "1", ""},
    {{bcCodeCodabar, "1a"}, "error: TBarcode:Codabar bad Data <1a>", "1a", "no pattern exists for a"},
    {{TBarcodeType(23), "1"}, "error: TBarcode: wrong BarcodeType", "1", ""},
    {{TBarcodeType(-1), "1"}, "error: TBarcode: wrong BarcodeType", "1", ""},
};

TEST(BarcodeEncoding, BuildsPatternsCheckDigitsAndTextRewrites) {
    for (const EncodingRow& row : encodingRows) {
        SCOPED_TRACE(QString("%1 '%2' checksum %3: %4")
                         .arg(int(row.setup.type))
                         .arg(row.setup.text)
                         .arg(row.setup.checksum)
                         .arg(row.note)
                         .toStdString());
        TBarcode bc;
        configure(bc, row.setup);
        const QString pattern = zw::test::patternOrError(bc);
        if (!row.pattern.isEmpty()) {
            EXPECT_EQ(pattern, row.pattern);
        } else {
            EXPECT_FALSE(pattern.startsWith("error")) << pattern.toStdString();
        }
        EXPECT_EQ(bc.Text(), row.textAfter);
    }
}

// Symbols that must come out the same as another text (rules that map input onto other input).
TEST(BarcodeEncoding, EncodesLikeItsEquivalentText) {
    struct Row {
        BarcodeSetup setup;
        BarcodeSetup same;
        QString textAfter;
    } rows[] = {
        {{bcCode128B, QString("A") + QChar(1) + "B" + QChar(0xE9)}, {bcCode128B, "A B "}, ""},
        {{bcCode128A, "a"}, {bcCode128A, " "}, ""},
        {{bcCode128A, QString(QChar(0x7f))}, {bcCode128A, " "}, ""},
        {{bcCode_2_5_interleaved, "123456"}, {bcCode_2_5_interleaved, "1234567"}, ""},
        {{bcCode39Extended, "a-"}, {bcCode39, "+A/M"}, "a-"},
        {{bcCode39Extended, QString("\x7f") + QChar(0) + QChar(0xE9), true}, {bcCode39, "%T%U", true}, ""},
        {{bcCode93Extended, "a$"}, {bcCode93, "}A{D"}, "a$"},
        {{bcCode93Extended, "!"}, {bcCode93, "{A"}, "!"},
        {{bcCodeEAN13, " 4006381333931\t"}, {bcCodeEAN13, "4006381333931"}, "4006381333931"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.setup.text.toStdString());
        TBarcode a, b;
        configure(a, r.setup);
        configure(b, r.same);
        EXPECT_EQ(a.BuildBarPattern(), b.BuildBarPattern());
        if (!r.textAfter.isEmpty()) {
            EXPECT_EQ(a.Text(), r.textAfter);
        }
    }
}

// Every measurement builds the pattern again: the check digit goes on once.
TEST(BarcodeEncoding, RebuildingKeepsTextAndPattern) {
    const BarcodeSetup rows[] = {
        {bcCodeEAN128A, "12", true},  {bcCodeEAN128B, "1234", true},  {bcCodeEAN128C, "12", true},
        {bcCodeEAN128C, "123", true}, {bcCodeUPC_Supp2, "13", true},  {bcCodeUPC_Supp5, "12345", true},
        {bcCodeUPC_A, "123", true},   {bcCodeUPC_E0, "123456", true}, {bcCodeUPC_E1, "1", true},
        {bcCode128C, "123"},          {bcCode39Extended, "ab"},       {bcCodeEAN13, "12", true},
    };
    for (const BarcodeSetup& s : rows) {
        SCOPED_TRACE(QString("%1 %2").arg(int(s.type)).arg(s.text).toStdString());
        TBarcode bc;
        configure(bc, s);
        const QString first = bc.BuildBarPattern();
        const QString text = bc.Text();
        // A new module width builds the pattern anew, as Width does after setting Modul.
        bc.setModul(2);
        EXPECT_EQ(bc.BuildBarPattern(), first);
        EXPECT_EQ(bc.Text(), text);
        bc.setModul(3);
        EXPECT_EQ(bc.BuildBarPattern(), first);
        EXPECT_EQ(bc.Text(), text);
    }
}

TEST(BarcodeEncoding, CheckDigitIsAppendedAgainAfterTextIsSetAnew) {
    TBarcode bc;
    configure(bc, {bcCodeEAN128C, "12", true});
    bc.BuildBarPattern();
    EXPECT_EQ(bc.Text(), "0123"); // 12 + check digit 3, then padded to even
    bc.setText("125");
    bc.BuildBarPattern();
    EXPECT_EQ(bc.Text(), "1250");
}

TEST(BarcodeEncoding, DoCheckSummingAppendsModulo10Digit) {
    struct Row {
        TCheckSumMethod method;
        QString data;
        QString expected;
    } rows[] = {
        {csmModulo10, "400638133393", "4006381333931"},
        {csmModulo10, "7", "79"},
        {csmModulo10, "", "0"},
        {csmModulo10, "0000", "00000"},
        {csmModulo10, "12x", "error: 'x' is not a valid integer value"},
        {csmNone, "12x", "12x"},
    };
    for (const Row& r : rows) {
        TBarcode bc;
        bc.setCheckSumMethod(r.method);
        QString result;
        try {
            result = bc.DoCheckSumming(r.data);
        } catch (const AppError& e) {
            result = "error: " + e.message();
        }
        EXPECT_EQ(result, r.expected) << r.data.toStdString();
    }
}

// With csmNone the UPC types still carry their symbology's check digit, while
// EAN-13 reports the missing digit.
TEST(BarcodeEncoding, ChecksumWithoutMethod) {
    struct Row {
        BarcodeSetup setup;
        QString result; // Text after the build or the error
    } rows[] = {
        {{bcCodeUPC_A, "03600029145", true}, "036000291452"},
        {{bcCodeUPC_E0, "123456", true}, "0123457"},
        {{bcCodeEAN13, "400638133393", true}, "error: Invalid Text len (EAN13)"},
        {{bcCodeEAN128C, "12", true}, "12"},
    };
    for (const Row& r : rows) {
        TBarcode bc;
        configure(bc, r.setup);
        bc.setCheckSumMethod(csmNone);
        const QString p = zw::test::patternOrError(bc);
        EXPECT_EQ(p.startsWith("error") ? p : bc.Text(), r.result) << r.setup.text.toStdString();
    }
}

TEST(BarcodeEncoding, ElementWidthsFollowModulAndRatio) {
    struct Row {
        TBarcodeType type;
        int modul;
        double ratio;
        double ratioAfter;
        std::array<int, 4> widths; // or all 0 for the error
    } rows[] = {
        {bcCode39, 1, 2.0, 2.0, {1, 2, 3, 4}},
        {bcCode39, 1, 2.5, 2.5, {1, 2, 3, 4}},   // 2.5 rounds to the even 2
        {bcCode39, 3, 2.5, 2.5, {3, 8, 12, 16}}, // 7.5 rounds to 8
        {bcCode39, 2, 2.7, 2.7, {2, 5, 7, 10}},  // 5 * 3 / 2 truncates to 7
        {bcCode39, 1, 3.5, 3.0, {1, 3, 4, 6}},
        {bcCode39, 1, 1.0, 2.0, {1, 2, 3, 4}},
        {bcCode_2_5_matrix, 1, 2.0, 2.25, {1, 2, 3, 4}},
        {bcCodeMSI, 1, 5.0, 5.0, {1, 5, 7, 10}},  // free types keep any ratio
        {bcCodeMSI, 1, 0.5, 0.5, {0, 0, 0, 0}},   // the wide elements would vanish
        {bcCodeMSI, 1, 1e12, 1e12, {0, 0, 0, 0}}, // beyond any integer width
        {bcCodeMSI, 1, -1e12, -1e12, {0, 0, 0, 0}},
        {bcCodeEAN13, 1, 3.0, 3.0, {1, 2, 3, 4}}, // module counts do not stretch
        {bcCode128B, 2, 2.6, 2.6, {2, 4, 6, 8}},
        {bcCode93, 30, 2.0, 2.0, {30, 60, 90, 120}},
        {bcCode93, 32, 2.0, 2.0, {0, 0, 0, 0}}, // 128 does not fit a signed byte
        {bcCode39, 22, 3.0, 3.0, {0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString("%1 modul %2 ratio %3").arg(int(r.type)).arg(r.modul).arg(r.ratio).toStdString());
        TBarcode bc;
        configure(bc, {r.type, "1"});
        if (r.modul != 1) // the setter turns 1 into 2
            bc.setModul(r.modul);
        bc.setRatio(r.ratio);
        const QString p = zw::test::patternOrError(bc);
        EXPECT_EQ(bc.Ratio(), r.ratioAfter);
        if (r.widths == std::array<int, 4>{0, 0, 0, 0}) {
            EXPECT_EQ(p, "error: TBarcode: element width out of range");
            continue;
        }
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(bc.modules()[i], r.widths[i]) << i;
            EXPECT_EQ(bc.GetElementProps(QChar('0' + i)).width, r.widths[i]);
            EXPECT_EQ(bc.GetElementProps(QChar('5' + i)).kind, bekBar);
            EXPECT_EQ(bc.GetElementProps(QChar('A' + i)).kind, bekShortBar);
        }
    }
}

TEST(BarcodeEncoding, LettersOutsideTheAlphabetAreInternalErrors) {
    TBarcode bc;
    // Before the first build the widths are all 0, but the letters are known.
    EXPECT_EQ(bc.GetElementProps('7').width, 0);
    EXPECT_EQ(bc.GetElementProps('7').kind, bekBar);
    for (QChar c : QString("49E@a ")) {
        try {
            bc.GetElementProps(c);
            ADD_FAILURE() << "accepted " << QString(c).toStdString();
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(), "TBarcode: internal Error");
        }
    }
}

TEST(BarcodeEncoding, WidthIsTheSumOfElementWidths) {
    struct Row {
        BarcodeSetup setup;
        int width;
    } rows[] = {
        {{bcCodeEAN13, "4006381333931"}, 95},
        {{bcCodeEAN8, "1"}, 67},
        {{bcCodeUPC_A, "1"}, 95},
        {{bcCodeUPC_E0, "1"}, 51},
        {{bcCodeUPC_Supp5, "1"}, 47},
        {{bcCodeUPC_Supp2, "1"}, 20},
        {{bcCode128C, "12345678"}, 11 * 4 + 35},
        {{bcCode128B, "abc"}, 11 * 3 + 35},
        {{bcCodeEAN128C, "1234"}, 11 * 3 + 35},
        {{bcCode93, "TEST93"}, 9 * 10 + 1},
    };
    for (const Row& r : rows) {
        TBarcode bc;
        configure(bc, r.setup);
        EXPECT_EQ(bc.Width(), r.width) << int(r.setup.type);
    }
}

TEST(BarcodeEncoding, TypeNamesAreTheDisplayNamesAndIdentifiers) {
    const struct {
        TBarcodeType type;
        QString name;
        QString identifier;
    } rows[] = {
        {bcCode_2_5_interleaved, "2_5_interleaved", "bcCode_2_5_interleaved"},
        {bcCode39Extended, "Code39 Extended", "bcCode39Extended"},
        {bcCodeCodabar, "Codebar", "bcCodeCodabar"},
        {bcCodeUPC_Supp2, "UPC Supp2", "bcCodeUPC_Supp2"},
        {bcCodeEAN128C, "EAN128C", "bcCodeEAN128C"},
        {bcCodeEAN13, "EAN13", "bcCodeEAN13"},
    };
    for (const auto& r : rows) {
        TBarcode bc;
        bc.setTyp(r.type);
        EXPECT_EQ(bc.TypeName(), r.name);
        EXPECT_EQ(barcodeTypeIdentifier(r.type), r.identifier);
        TBarcodeType found = bcCodeEAN8;
        EXPECT_TRUE(barcodeTypeFromIdentifier(r.identifier, found)) << r.identifier.toStdString();
        EXPECT_EQ(found, r.type);
    }
    TBarcodeType untouched = bcCodeEAN8;
    for (const char* other : {"Codebar", "bccodeean13", "", "14"})
        EXPECT_FALSE(barcodeTypeFromIdentifier(QString::fromLatin1(other), untouched)) << other;
    EXPECT_EQ(untouched, bcCodeEAN8);
    EXPECT_EQ(barcodeTypeIdentifier(TBarcodeType(23)), "");
}

} // namespace
