#include "LabelTemplates.h"

namespace zw::test {
namespace {

const QString kDate = QStringLiteral("24.06.2026");
const QString kInspector = QStringLiteral("Jörg Weißmann");                              // 13, the field's limit
const QString kSupplierField = QStringLiteral("LS 4711-0815 / Charge 2026-06-A / 13 €"); // 38
const QString kStorage = QStringLiteral("Halle 3 R12-F07 Süd-W");                        // 21
const QString kEanDigits = QStringLiteral("4  012345  678901");

const QStringList kContainerTexts = {"KELB",
                                     "Benennung",
                                     "Material-Nr.",
                                     "Menge",
                                     "Lieferanten-Nr.",
                                     "Dokument-Nr.",
                                     "Ausgabe",
                                     "Barcode",
                                     "EAN 13",
                                     "Qualitätsprüfung",
                                     "Ware geprüft und",
                                     "zur Lieferung freigegeben",
                                     "Prüfdatum",
                                     "Prüfer",
                                     "Lieferant"};

// Values 01 to 11 of the stock-part and order-related labels.
std::vector<Placeholder> containerHead(const QString& secondLine) {
    return {{1, "Gehäusedeckel"}, {2, secondLine},        {3, "12-34-567-890"}, {4, "02"},
            {5, "1234567890"},    {6, "1250000 Stk"},     {7, "54321"},         {8, {}, Picture::Row},
            {9, kSampleRow},      {10, {}, Picture::Ean}, {11, kEanDigits}};
}

LabelKind lagerteil() {
    auto values = containerHead("links pulverbeschichtet RAL"); // 40 - 13 characters
    values.insert(
        values.end(),
        {{12, kStorage}, {13, "100%"}, {14, kDate}, {15, kInspector}, {16, kSupplierField}, {17, {}, Picture::Symbol}});
    return {"Lagerteil", values, kContainerTexts + QStringList{"Lagerteil", "Lagerplatz"}};
}

LabelKind auftragsteil() {
    auto values = containerHead("links, pulverbeschichtet RAL 7035, matt"); // 52 - 13 characters
    values.insert(values.end(), {{12, "4500123456"},
                                 {13, "0010"},
                                 {14, "100%"},
                                 {15, kDate},
                                 {16, kInspector},
                                 {17, kSupplierField},
                                 {18, {}, Picture::Symbol}});
    return {"Auftragsteil", values, kContainerTexts + QStringList{"Auftragsteil", "Kundenauftrag", "Pos."}};
}

LabelKind sonderteil() {
    return {"Sonderteil",
            {{1, "Rohrbogen 90° DN 80 PN 16 blau"}, // 30 characters stay on one line
             {2, "Edelstahl 1.4571 gebeizt und passiviert"},
             {3, "4500987654"},
             {4, "00020"},
             {5, "0012345678"},
             {6, "0030"},
             {7, "54321"},
             {8, "1250000 Stk"},
             {9, "Kältetrockner KT 4500 Baureihe 7"},
             {10, kStorage},
             {11, "100%"},
             {12, kDate},
             {13, kInspector},
             {14, kSupplierField}},
            {"KELB", "Sonderteil", "Benennung", "Bestell-Nr.", "Pos.", "Kundenauftrag", "Lieferanten-Nr.", "Menge",
             "Gerätetyp", "Lagerplatz", "Qualitätsprüfung", "Prüfdatum", "Prüfer", "Lieferant"}};
}

LabelKind typenschild() {
    // The designation memo holds at most seven lines.
    const QString memo = QStringLiteral("Lüfterbaugruppe LB 230-45 komplett\r\n230 V ~ 50 Hz, 0,45 A\r\n"
                                        "IP 54, Isolierstoffklasse F\r\nDrehrichtung rechts\r\nGewicht 3,2 kg\r\n"
                                        "Baujahr 2026\r\nMade in Germany");
    return {"Einzelteil",
            {{1, "1234567890"},
             {2, memo},
             {3, {}, Picture::Row},
             {4, "1083"},
             {5, kSampleRow},
             {6, "EEI ≤ 0,23"},
             {10, "Lieferant Muster GmbH, Werk 2, Linie 4"}},
            {"KELB", "Mat.-Nr."}};
}

// The six article texts are up to 72 characters long.
std::vector<Placeholder> sparePart(Picture ean, Picture row) {
    return {{1, "1234567890"},
            {2, "Dichtungssatz für Kältemittelverdichter vollständig mit Montageanleitung"},
            {3, "Gasket set for refrigerant compressor complete with mounting instruction"},
            {4, "Jeu de joints pour compresseur frigorifique, avec notice de montage fixe"},
            {5, "Juego de juntas para compresor de refrigerante con instrucciones montaje"},
            {6, "Комплект уплотнений для компрессора хладагента с инструкцией по монтажу."},
            {7, "Nur für Baureihe 7 ab Seriennummer 2026-0001, Ersatz für Teil 1234560001"},
            {8, {}, ean},
            {9, kEanDigits},
            {13, {}, row},
            {14, "1083"},
            {15, "123456710830200012312345"}, // the longest row, NWEP
            {16, "EEI ≤ 0,23"}};
}

} // namespace

const std::vector<TemplateCase>& labelTemplates() {
    static const LabelKind lager = lagerteil();
    static const LabelKind auftrag = auftragsteil();
    static const LabelKind sonder = sonderteil();
    static const LabelKind plate = typenschild();
    static const LabelKind karton = {"ErsatzteilKarton",
                                     sparePart(Picture::EanTurned, Picture::RowTurned),
                                     {"KELB", "Ersatzteil / Zubehör", "Material-Nr.", "GB", "FR", "ES", "RU", "EAN",
                                      "Barcode", "Kennung", "Energieeffizienz"}};
    static const LabelKind beutel = {
        "ErsatzteilBeutel",
        sparePart(Picture::Ean, Picture::Row),
        {"KELB", "Ersatzteil", "Material-Nr.", "GB", "FR", "ES", "RU", "Kennung", "Energieeffizienz"}};
    // Container and carton labels are A6 landscape, four to an A4 sheet; bag
    // labels 105 x 74.25 mm, four to A5 and eight to A4; type plates keep their
    // size on the smallest sheet that holds four.
    static const std::vector<TemplateCase> all = {
        {"VorlageLagerteil_1fach.rtf", &lager, 1, 1, 148, 105},
        {"VorlageLagerteil_4fach.rtf", &lager, 2, 2, 297, 210},
        {"VorlageAuftragsteil_1fach.rtf", &auftrag, 1, 1, 148, 105},
        {"VorlageAuftragsteil_4fach.rtf", &auftrag, 2, 2, 297, 210},
        {"VorlageSonderteil_1fach.rtf", &sonder, 1, 1, 148, 105},
        {"VorlageSonderteil_4fach.rtf", &sonder, 2, 2, 297, 210},
        {"VorlageEinzelteil_1fach.rtf", &plate, 1, 1, 135, 96},
        {"VorlageEinzelteil_1fach_klein.rtf", &plate, 1, 1, 80, 57},
        {"VorlageEinzelteil_1fach_sehrklein.rtf", &plate, 1, 1, 60, 34},
        {"VorlageEinzelteil_4fach.rtf", &plate, 2, 2, 297, 210},
        {"VorlageEinzelteil_4fach_klein.rtf", &plate, 2, 2, 210, 148.5},
        {"VorlageEinzelteil_4fach_sehrklein.rtf", &plate, 2, 2, 148.5, 105},
        {"VorlageErsatzteilKarton_1fach.rtf", &karton, 1, 1, 148, 105},
        {"VorlageErsatzteilKarton_4fach.rtf", &karton, 2, 2, 297, 210},
        {"VorlageErsatzteilBeutel_1fach.rtf", &beutel, 1, 1, 105, 74.25},
        {"VorlageErsatzteilBeutel_4fach.rtf", &beutel, 2, 2, 210, 148.5},
        {"VorlageErsatzteilBeutel_8fach.rtf", &beutel, 2, 4, 210, 297},
    };
    return all;
}

} // namespace zw::test
