#pragma once

#include "core/Artikel.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <array>

namespace zw {

// The 15 "@"-separated fields of an EAN list line. Fields 1 to 14 are taken
// from the left, each up to the next "@"; when no "@" is left they are empty.
// Field 15 is the text up to the next "@", or the whole rest of the line.
struct EanLineFields {
    static constexpr int Count = 15;
    std::array<QStringView, Count> field; // field[0] is field 1, the key
};
EanLineFields splitEanLine(QStringView line);

// Field 1: the text before the first "@", empty when the line has none.
QStringView eanLineKey(QStringView line);

// Takes fields 2 to 15 of the line into the article: designations trimmed and
// cut (40 and 72 characters), empty drawing, MQS and KST numbers and indexes
// replaced by "00-00-000-000" and "00". Returns whether any field changed.
bool applyEanLine(TArtikel& article, QStringView line);

// Finds, for every article whose material number has 7 or 10 characters, the
// last line of the list whose key ends in that number (compared over the last 7
// or 10 characters of the key). Feed the lines in file order; the cost grows
// with articles + lines.
class EanMatcher {
public:
    explicit EanMatcher(const TArtikelListe& articles);
    void addLine(QStringView line);
    // The last matching line, or nullptr.
    const QString* lineFor(const QString& materialNr) const;

private:
    static bool takesPart(const QString& materialNr) { return materialNr.size() == 7 || materialNr.size() == 10; }
    QHash<QString, QString> m_lastLine; // material number -> last matching line (empty: none yet)
    QString m_probe;
};

} // namespace zw
