#include "labels/TemplateTable.h"

#include <algorithm>

namespace zw {

void TemplateTable::add(std::initializer_list<std::vector<TemplateOption>> dimensions) {
    std::vector<Row> combinations{Row{}};
    for (const std::vector<TemplateOption>& options : dimensions) {
        std::vector<Row> next;
        for (const Row& partial : combinations) {
            for (const TemplateOption& option : options) {
                Row row = partial;
                if (option.button)
                    row.buttons.push_back(option.button);
                row.name += option.part;
                next.push_back(std::move(row));
            }
        }
        combinations = std::move(next);
    }
    m_rows.insert(m_rows.end(), combinations.begin(), combinations.end());
}

const TemplateTable::Row* TemplateTable::chosen() const {
    const auto ticked = [](const Row& row) {
        return std::all_of(row.buttons.begin(), row.buttons.end(), [](const RadioField* b) { return b->checked(); });
    };
    const auto it = std::find_if(m_rows.begin(), m_rows.end(), ticked);
    return it == m_rows.end() ? nullptr : &*it;
}

void TemplateTable::tickFirstRow() const {
    if (m_rows.empty())
        return;
    for (RadioField* b : m_rows.front().buttons)
        b->setChecked(true);
}

} // namespace zw
