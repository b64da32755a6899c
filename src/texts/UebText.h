#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace zw {

struct TUebText {
    QString sText;
};

// The text catalogue: entries sorted by their number text (letter case
// ignored); adding a number text that is present already adds nothing.
class TUebTextListe {
public:
    TUebTextListe() = default;
    ~TUebTextListe() { Clear(); }
    TUebTextListe(const TUebTextListe&) = delete;
    TUebTextListe& operator=(const TUebTextListe&) = delete;

    int Count() const { return int(m_entries.size()); }
    // Both raise AppError for an index outside the list.
    const QString& NumberText(int index) const;
    TUebText& UebText(int index);

    // Adds unless the number text is present; returns false when nothing was added.
    bool Add(const QString& numberText, const QString& text);
    // The text under `numberText`, or nullptr.
    const TUebText* Find(const QString& numberText) const;

    // Clears, then reads the file's lines "number=text"; a missing file leaves the catalogue empty.
    void Loadfromfile(const QString& sFile);
    // One line per entry in catalogue order. Raises AppError when the file cannot be written.
    void Savetofile(const QString& sFile) const;
    // The number of the first entry holding exactly this text, else a new entry
    // under HoechsteNummer() + 1. Raises AppError when a number text is not an integer.
    int SorgeDafuerDasTextDrinIst(const QString& sNeuerText);
    // The highest number below 50000 (hints excluded), -1 when there is none.
    // Raises AppError when a number text is not an integer.
    int HoechsteNummer() const;
    void Delete(int index);
    void Clear();

private:
    struct Entry {
        QString number;
        std::unique_ptr<TUebText> text;
    };
    void checkIndex(int index) const;
    // Index of the first entry not less than `numberText`.
    std::size_t lowerBound(const QString& numberText) const;
    std::vector<Entry> m_entries;
};

// The one catalogue of the program; created before anything else.
extern TUebTextListe* UebTextListe;

QString GibText(int tag, const QString& fallback);
QString GibHintText(int tag, const QString& fallback);
// Fills the catalogue from the program folder's "Sprache" + code + ".txt" and
// switches Qt's own texts to the language; never raises.
void LadeSprache(const QString& code);

// Creates the catalogue and fills it from "SpracheD.txt" in the current folder
// (not the program folder), as the program entry does before anything else.
void CreateTextCatalogue();
void FreeTextCatalogue();

} // namespace zw
