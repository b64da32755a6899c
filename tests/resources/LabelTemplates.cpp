#include "LabelTemplates.h"

#include "base/AppError.h"

#include <numeric>

namespace zw::test {
namespace {

std::vector<int> numbers(int first, int last, std::vector<int> more = {}) {
    std::vector<int> out(last - first + 1);
    std::iota(out.begin(), out.end(), first);
    out.insert(out.end(), more.begin(), more.end());
    return out;
}

} // namespace

const LabelLayout& TemplateCase::layout() const {
    for (const LabelLayout& l : labelLayouts())
        for (const LayoutSheet& s : l.sheets)
            if (s.file == file)
                return l;
    throw AppError(QStringLiteral("no layout describes ") + file);
}

const LayoutSheet& TemplateCase::sheet() const {
    for (const LayoutSheet& s : layout().sheets)
        if (s.file == file)
            return s;
    throw AppError(QStringLiteral("no layout describes ") + file);
}

const std::vector<TemplateCase>& labelTemplates() {
    const std::vector<int> lager = numbers(1, 17);
    const std::vector<int> auftrag = numbers(1, 18);
    const std::vector<int> sonder = numbers(1, 14);
    const std::vector<int> plate = numbers(1, 6, {10});
    const std::vector<int> spare = numbers(1, 9, {13, 14, 15, 16});
    // Container and carton labels are A6 landscape, four to an A4 sheet; bag
    // labels 105 x 74.25 mm, four to A5 and eight to A4; type plates keep their
    // size on the smallest sheet that holds four.
    static const std::vector<TemplateCase> all = {
        {"VorlageLagerteil_1fach.rtf", lager, 1, 1, 148, 105},
        {"VorlageLagerteil_4fach.rtf", lager, 2, 2, 297, 210},
        {"VorlageAuftragsteil_1fach.rtf", auftrag, 1, 1, 148, 105},
        {"VorlageAuftragsteil_4fach.rtf", auftrag, 2, 2, 297, 210},
        {"VorlageSonderteil_1fach.rtf", sonder, 1, 1, 148, 105},
        {"VorlageSonderteil_4fach.rtf", sonder, 2, 2, 297, 210},
        {"VorlageEinzelteil_1fach.rtf", plate, 1, 1, 135, 96},
        {"VorlageEinzelteil_1fach_klein.rtf", plate, 1, 1, 80, 57},
        {"VorlageEinzelteil_1fach_sehrklein.rtf", plate, 1, 1, 60, 34},
        {"VorlageEinzelteil_4fach.rtf", plate, 2, 2, 297, 210},
        {"VorlageEinzelteil_4fach_klein.rtf", plate, 2, 2, 210, 148.5},
        {"VorlageEinzelteil_4fach_sehrklein.rtf", plate, 2, 2, 148.5, 105},
        {"VorlageErsatzteilKarton_1fach.rtf", spare, 1, 1, 148, 105},
        {"VorlageErsatzteilKarton_4fach.rtf", spare, 2, 2, 297, 210},
        {"VorlageErsatzteilBeutel_1fach.rtf", spare, 1, 1, 105, 74.25},
        {"VorlageErsatzteilBeutel_4fach.rtf", spare, 2, 2, 210, 148.5},
        {"VorlageErsatzteilBeutel_8fach.rtf", spare, 2, 4, 210, 297},
    };
    return all;
}

} // namespace zw::test
