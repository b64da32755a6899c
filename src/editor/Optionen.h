#pragma once

#include <QString>
#include <QStringList>

namespace zw {

// The settings as the article editor shows them, with its EAN list commands.
// Needs DataModule1.
class TOptionen {
public:
    QStringList slGeraetetyp; // copy of the data module's device types
    QStringList slLagerplatz; // copy of the data module's storage places
    QString Lieferantennummer;
    QString LieferantennummerKurz;
    QString Sprache; // "Deutsch" or "Englisch"
    QString BCTyp = QStringLiteral("bcCode128C");
    QString ArtNrPfad;
    int DruckerAufloesung = 0; // dpi; 0 is the standard resolution

    // Barcode.ini, home folder first.
    void Lade_aus_INI();
    // Each entry followed by CR LF.
    QString getGeraettyptext() const;
    QString getLagerplatztext() const;

    // Downloads a fresh EAN list into the article folder and tells the user the
    // outcome; the next start-up merges it.
    void Lade_EAN_Liste_Aus_Internet();

    // Search routines for the older list form "key;designation;EAN".
    void auto_EAN_Suche();
    QString EAN_Benennung_automatisch_suchen(const QString& sEingabe);
};

} // namespace zw
