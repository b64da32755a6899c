#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace zw {

class TReadWriteFile;

// One article of the master data; all fields are text, a new article has all empty.
struct TArtikel {
    QString MaterialNr; // MatNr
    QString Benennung;  // Bezeichnung
    QString EAN;        // EAN
    QString ZeichnNr;   // ZeichnNr
    QString IndexZNr;   // IndexZNr
    QString MQSNr;      // MQSNr
    QString IndexMQS;   // IndexMQS
    QString KSTNr;      // KSTNr
    QString IndexKST;   // IndexKST
    QString Sprache_1;  // Sprache_1 .. Sprache_6
    QString Sprache_2;
    QString Sprache_3;
    QString Sprache_4;
    QString Sprache_5;
    QString Sprache_6;
    QString Kelblagerplatz;  // Lagerplatz
    QString Stueckzahl;      // Stueckzahl
    QString Einheit;         // Einheit
    QString Lieferantenfeld; // Lieferantenfeld
    QString Pruefung100;     // 100%_Pruef
    QString SSymbol;         // Sicherheit

    static constexpr int FieldCount = 21;
    // The keys of the article file, in declaration order.
    static const QString& key(int field);
    QString& field(int index);
    const QString& field(int index) const;

    bool operator==(const TArtikel&) const = default;

    // An article stores nothing in the structured data file.
    void Readwritefile(TReadWriteFile& hefile);
};

// Something that can list material numbers: a combo box of a form, or a
// stand-in of the command line and the tests.
class MaterialNumberList {
public:
    virtual ~MaterialNumberList() = default;
    virtual void clearAll() = 0; // items and text
    virtual void addItem(const QString& text) = 0;
};

// The ordered list of articles; it owns them. References to an article are
// indexes and become invalid with the next re-read.
class TArtikelListe {
public:
    int Count() const { return int(m_items.size()); }
    // Raises AppError for an index outside the list.
    TArtikel& Artikel(int index);
    const TArtikel& Artikel(int index) const;
    void Add(TArtikel a);
    void Add(std::unique_ptr<TArtikel> a);
    // Room for `count` articles, so reading a large file does not regrow the list.
    void Reserve(int count);
    void Delete(int index);
    void Clear();
    void Fuelle_Materialnummer(MaterialNumberList& box) const;
    // The list in the structured data file: its last index, then each article.
    void Readwritefile(TReadWriteFile& hefile);

private:
    std::vector<std::unique_ptr<TArtikel>> m_items;
};

// Owner of the one article list.
class TMyDaten {
public:
    TArtikelListe ArtikelListe;

    void clear() { ArtikelListe.Clear(); }
    // The list as a structured data file in the text representation.
    void Loadfromfile(const QString& sFile);
    void Savetofile(const QString& sFile);
    void Readwritefile(TReadWriteFile& hefile);
};

} // namespace zw
