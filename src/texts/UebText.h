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
    const QString& NumberText(int index) const { return m_entries.at(std::size_t(index)).number; }
    TUebText& UebText(int index) { return *m_entries.at(std::size_t(index)).text; }

    // Adds unless the number text is present; returns false when nothing was added.
    bool Add(const QString& numberText, const QString& text);
    // The text under `numberText`, or nullptr.
    const TUebText* Find(const QString& numberText) const;

    void Loadfromfile(const QString& sFile);
    // Raises AppError when the file cannot be written.
    void Savetofile(const QString& sFile) const;
    int SorgeDafuerDasTextDrinIst(const QString& sNeuerText);
    int HoechsteNummer() const;
    void Delete(int index);
    void Clear();

private:
    struct Entry {
        QString number;
        std::unique_ptr<TUebText> text;
    };
    // Index of the first entry not less than `numberText`.
    std::size_t lowerBound(const QString& numberText) const;
    std::vector<Entry> m_entries;
};

// The one catalogue of the program; created before anything else.
extern TUebTextListe* UebTextListe;

QString GibText(int tag, const QString& fallback);
QString GibHintText(int tag, const QString& fallback);
// Fills the catalogue from the program folder's "Sprache" + code + ".txt"; never raises.
void LadeSprache(const QString& code);

// Creates the catalogue and fills it from "SpracheD.txt" in the current folder,
// as the program entry does before anything else.
void CreateTextCatalogue();
void FreeTextCatalogue();

} // namespace zw
