#include "core/Artikel.h"

#include "base/AppError.h"

#include <algorithm>
#include <array>

namespace zw {

const QString& TArtikel::key(int field) {
    static const std::array<QString, FieldCount> keys = {
        QStringLiteral("MatNr"),           QStringLiteral("Bezeichnung"), QStringLiteral("EAN"),
        QStringLiteral("ZeichnNr"),        QStringLiteral("IndexZNr"),    QStringLiteral("MQSNr"),
        QStringLiteral("IndexMQS"),        QStringLiteral("KSTNr"),       QStringLiteral("IndexKST"),
        QStringLiteral("Sprache_1"),       QStringLiteral("Sprache_2"),   QStringLiteral("Sprache_3"),
        QStringLiteral("Sprache_4"),       QStringLiteral("Sprache_5"),   QStringLiteral("Sprache_6"),
        QStringLiteral("Lagerplatz"),      QStringLiteral("Stueckzahl"),  QStringLiteral("Einheit"),
        QStringLiteral("Lieferantenfeld"), QStringLiteral("100%_Pruef"),  QStringLiteral("Sicherheit")};
    return keys.at(std::size_t(field));
}

QString& TArtikel::field(int index) {
    return const_cast<QString&>(std::as_const(*this).field(index));
}

const QString& TArtikel::field(int index) const {
    switch (index) {
    case 0:
        return MaterialNr;
    case 1:
        return Benennung;
    case 2:
        return EAN;
    case 3:
        return ZeichnNr;
    case 4:
        return IndexZNr;
    case 5:
        return MQSNr;
    case 6:
        return IndexMQS;
    case 7:
        return KSTNr;
    case 8:
        return IndexKST;
    case 9:
        return Sprache_1;
    case 10:
        return Sprache_2;
    case 11:
        return Sprache_3;
    case 12:
        return Sprache_4;
    case 13:
        return Sprache_5;
    case 14:
        return Sprache_6;
    case 15:
        return Kelblagerplatz;
    case 16:
        return Stueckzahl;
    case 17:
        return Einheit;
    case 18:
        return Lieferantenfeld;
    case 19:
        return Pruefung100;
    case 20:
        return SSymbol;
    default:
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    }
}

TArtikel& TArtikelListe::Artikel(int index) {
    return const_cast<TArtikel&>(std::as_const(*this).Artikel(index));
}

const TArtikel& TArtikelListe::Artikel(int index) const {
    if (index < 0 || index >= Count())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return *m_items[std::size_t(index)];
}

void TArtikelListe::Add(TArtikel a) {
    m_items.push_back(std::make_unique<TArtikel>(std::move(a)));
}

void TArtikelListe::Add(std::unique_ptr<TArtikel> a) {
    m_items.push_back(std::move(a));
}

void TArtikelListe::Reserve(int count) {
    m_items.reserve(std::size_t(std::max(count, 0)));
}

void TArtikelListe::Delete(int index) {
    if (index < 0 || index >= Count())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    m_items.erase(m_items.begin() + index);
}

void TArtikelListe::Clear() {
    m_items.clear();
}

void TArtikelListe::Fuelle_Materialnummer(MaterialNumberList& box) const {
    box.clearAll();
    for (const auto& a : m_items)
        box.addItem(a->MaterialNr);
}

} // namespace zw
