#include "texts/UebText.h"

#include "base/AppError.h"
#include "base/Convert.h"
#include "base/TextFile.h"
#include "platform/Platform.h"
#include "texts/QtTranslations.h"

#include <algorithm>

namespace zw {

TUebTextListe* UebTextListe = nullptr;

std::size_t TUebTextListe::lowerBound(const QString& numberText) const {
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), numberText, [](const Entry& e, const QString& n) {
        return e.number.compare(n, Qt::CaseInsensitive) < 0;
    });
    return std::size_t(it - m_entries.begin());
}

bool TUebTextListe::Add(const QString& numberText, const QString& text) {
    const std::size_t pos = lowerBound(numberText);
    if (pos < m_entries.size() && m_entries[pos].number.compare(numberText, Qt::CaseInsensitive) == 0)
        return false;
    m_entries.insert(m_entries.begin() + std::ptrdiff_t(pos),
                     Entry{numberText, std::make_unique<TUebText>(TUebText{text})});
    return true;
}

const TUebText* TUebTextListe::Find(const QString& numberText) const {
    const std::size_t pos = lowerBound(numberText);
    if (pos < m_entries.size() && m_entries[pos].number.compare(numberText, Qt::CaseInsensitive) == 0)
        return m_entries[pos].text.get();
    return nullptr;
}

void TUebTextListe::Loadfromfile(const QString& sFile) {
    Clear();
    TextDocument doc;
    if (!readTextFile(sFile, doc))
        return;
    for (const QString& line : doc.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            Add(QString(), line);
        else
            Add(line.left(eq), line.mid(eq + 1));
    }
}

void TUebTextListe::Savetofile(const QString& sFile) const {
    QStringList lines;
    lines.reserve(qsizetype(m_entries.size()));
    for (const Entry& e : m_entries)
        lines.append(e.number + QLatin1Char('=') + e.text->sText);
    // The code page cannot hold every text (Russian, "≤"); such a catalogue is
    // saved as UTF-8 with a mark, which loading recognises, instead of losing
    // characters to "?".
    const bool fitsCodePage = std::all_of(lines.cbegin(), lines.cend(), fitsWindows1252);
    if (fitsCodePage)
        writeTextFile(sFile, lines, TextEncoding::Windows1252, false);
    else
        writeTextFile(sFile, lines, TextEncoding::Utf8, true);
}

int TUebTextListe::HoechsteNummer() const {
    int result = -1;
    for (const Entry& e : m_entries) {
        const int n = strToInt(e.number);
        if (n > result && n < 50000)
            result = n;
    }
    return result;
}

int TUebTextListe::SorgeDafuerDasTextDrinIst(const QString& sNeuerText) {
    for (const Entry& e : m_entries)
        if (e.text->sText == sNeuerText)
            return strToInt(e.number);
    const int n = HoechsteNummer() + 1;
    Add(QString::number(n), sNeuerText);
    return n;
}

void TUebTextListe::checkIndex(int index) const {
    if (index < 0 || index >= Count())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

const QString& TUebTextListe::NumberText(int index) const {
    checkIndex(index);
    return m_entries[std::size_t(index)].number;
}

TUebText& TUebTextListe::UebText(int index) {
    checkIndex(index);
    return *m_entries[std::size_t(index)].text;
}

void TUebTextListe::Delete(int index) {
    checkIndex(index);
    m_entries.erase(m_entries.begin() + index);
}

void TUebTextListe::Clear() {
    m_entries.clear();
}

QString GibText(int tag, const QString& fallback) {
    if (!UebTextListe)
        return fallback;
    const TUebText* t = UebTextListe->Find(QString::number(tag));
    return t ? t->sText : fallback;
}

QString GibHintText(int tag, const QString& fallback) {
    return GibText(tag, fallback);
}

void LadeSprache(const QString& code) {
    try {
        if (!UebTextListe)
            UebTextListe = new TUebTextListe;
        UebTextListe->Loadfromfile(platform().programFolder() + QStringLiteral("Sprache") + code +
                                   QStringLiteral(".txt"));
        // Qt's own dialog texts follow every switch of the catalogue's language.
        switchQtTranslations(code);
    } catch (...) {
        // A language file that cannot be loaded leaves the fallbacks in place.
    }
}

void CreateTextCatalogue() {
    if (!UebTextListe)
        UebTextListe = new TUebTextListe;
    UebTextListe->Loadfromfile(platform().currentFolder() + QStringLiteral("SpracheD.txt"));
}

void FreeTextCatalogue() {
    delete UebTextListe;
    UebTextListe = nullptr;
}

} // namespace zw
