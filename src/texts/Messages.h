#pragma once

// The numbered messages of the program with their German fallbacks, so no caller
// retypes a fallback. Usage:
//
//     showError(QString(), msgText(msg::CheckStueck));                  // GibText(341, <fallback>)
//     showError(QString(), msgText(msg::MatNrEingeben, Spelling::Ueebersetzen));
//     button->setToolTip(msgHintText(msg::ErsterDatensatz));            // GibHintText(310, <fallback>)
//
// A fallback reads: Fehler beim Übersetzen von "<words>" // Tag-Nr. prüfen (<number>)
// Some places of the program spell the prefix "Üebersetzen"; each message carries
// the spelling most of its callers use, and the few others pass theirs explicitly
// (see 323 and 389 below).

#include <QString>

#include <span>

namespace zw {

enum class Spelling {
    Uebersetzen, // "Fehler beim Übersetzen von "
    Ueebersetzen // "Fehler beim Üebersetzen von "
};

struct Message {
    int number;
    const char16_t* words; // the German words inside the fallback's quotes
    Spelling spelling;     // the usual spelling of the fallback's prefix
};

namespace msg {
// Hints of the article editor's navigator buttons (looked up with GibHintText).
inline constexpr Message ErsterDatensatz{310, u"erster Datensatz", Spelling::Uebersetzen};
inline constexpr Message VorherigerDatensatz{311, u"vorheriger Datensatz", Spelling::Uebersetzen};
inline constexpr Message NaechsterDatensatz{312, u"nächster Datensatz", Spelling::Uebersetzen};
inline constexpr Message LetzterDatensatz{313, u"letzter Datensatz", Spelling::Uebersetzen};
inline constexpr Message NeuerDatensatz{314, u"neuer Datensatz", Spelling::Uebersetzen};
inline constexpr Message DatensatzSpeichern{315, u"Datensatz speichern", Spelling::Uebersetzen};
inline constexpr Message DatensatzLoeschen{316, u"Datensatz löschen", Spelling::Uebersetzen};
inline constexpr Message DatensatzSuchen{317, u"Datensatz suchen", Spelling::Uebersetzen};

inline constexpr Message AblageverzeichnisWaehlen{320, u"Ablageverzeichnis wählen", Spelling::Uebersetzen};
inline constexpr Message KeinSpeichernLeererDatensaetze{321, u"Kein Speichern von leeren Datensätzen",
                                                        Spelling::Uebersetzen};
inline constexpr Message Suchen{322, u"Suchen", Spelling::Uebersetzen};
// The article editor's search spells "Übersetzen"; the print commands of the
// label forms pass Spelling::Ueebersetzen.
inline constexpr Message MatNrEingeben{323, u"MatNr eingeben", Spelling::Uebersetzen};
inline constexpr Message CheckEAN13{324, u"Check EAN13", Spelling::Ueebersetzen};
inline constexpr Message FalschesLieferdatum{325, u"Falsches Lieferdatum", Spelling::Uebersetzen};
inline constexpr Message PrueferAngeben{326, u"Prüfer angeben", Spelling::Uebersetzen};
inline constexpr Message CheckKundenauftragsdaten{327, u"Check Kundenauftragsdaten", Spelling::Uebersetzen};
inline constexpr Message DateiNichtGefunden{328, u"Datei nicht gefunden", Spelling::Uebersetzen};
inline constexpr Message UpdateFehlgeschlagen{329, u"Update fehlgeschlagen", Spelling::Uebersetzen};
// Manufacturing week not valid (print commands).
inline constexpr Message HerstellerwocheUngueltig{330, u"Herstellerwoche ungültig", Spelling::Uebersetzen};
inline constexpr Message UpdateErfolgreich{331, u"Update erfolgreich", Spelling::Uebersetzen};
inline constexpr Message SpeichernErfolgreich{332, u"Speichern erfolgreich", Spelling::Uebersetzen};
inline constexpr Message LoeschenErfolgreich{333, u"Löschen erfolgreich", Spelling::Uebersetzen};
inline constexpr Message KeineDokumentNrGefunden{340, u"Keine DokumentNr. gefunden", Spelling::Uebersetzen};
inline constexpr Message CheckStueck{341, u"Check Stück", Spelling::Ueebersetzen};
inline constexpr Message CheckEinheit{342, u"Check Einheit", Spelling::Ueebersetzen};
inline constexpr Message NurMitRuecksprache{360, u"Nur mit Rücksprache", Spelling::Uebersetzen};
inline constexpr Message MatNrNichtGefunden{361, u"MatNr nicht gefunden", Spelling::Ueebersetzen};
inline constexpr Message MusterbestellungNichtGefunden{362, u"Musterbestellung nicht gefunden", Spelling::Uebersetzen};
inline constexpr Message LagerplatzLeer{363, u"Lagerplatz leer", Spelling::Uebersetzen};
inline constexpr Message KeineInternetverbindung{370, u"Keine Internetverbindung", Spelling::Uebersetzen};
inline constexpr Message DatenNichtAktuell{371, u"Daten nicht aktuell", Spelling::Uebersetzen};
inline constexpr Message UpdateNichtMoeglich{372, u"Update nicht möglich", Spelling::Uebersetzen};
inline constexpr Message BarcodeTyp1{381, u"Barcode Typ 1", Spelling::Ueebersetzen};
inline constexpr Message BarcodeTyp2{382, u"Barcode Typ 2", Spelling::Ueebersetzen};
inline constexpr Message BarcodeTyp3{383, u"Barcode Typ 3", Spelling::Ueebersetzen};
inline constexpr Message BarcodeTyp4{384, u"Barcode Typ 4", Spelling::Ueebersetzen};
// "Übersetzen" in the print commands and the spare-part form's barcode type change;
// the material-number change of the two container forms passes Spelling::Ueebersetzen.
inline constexpr Message ZweistelligeLiefNrNoetig{389, u"2-stellige LiefNr nötig", Spelling::Uebersetzen};
inline constexpr Message CheckProdNr{392, u"Check ProdNr", Spelling::Ueebersetzen};
inline constexpr Message ArtikelIniNichtImPfad{394, u"Artikel.ini nicht im Pfad", Spelling::Uebersetzen};
inline constexpr Message ArtikelIniInVerwendung{400, u"Artikel.ini gerade in Verwendung", Spelling::Uebersetzen};
inline constexpr Message ArtikelIniWiederVerfuegbar{401, u"Artikel.ini wieder Verfügbar", Spelling::Uebersetzen};
// The dialog shown when no program opens a document (a label, the user manual).
inline constexpr Message DokumentNichtGeoeffnet{440, u"Dokument nicht geöffnet", Spelling::Uebersetzen};
inline constexpr Message KeinProgrammZumOeffnen{441, u"Kein Programm konnte das Dokument öffnen.",
                                                Spelling::Uebersetzen};
inline constexpr Message Dokument{442, u"Dokument:", Spelling::Uebersetzen};
inline constexpr Message Ordner{443, u"Ordner:", Spelling::Uebersetzen};
inline constexpr Message OrdnerOeffnen{444, u"Ordner öffnen", Spelling::Uebersetzen};
inline constexpr Message ProgrammWaehlen{445, u"Programm wählen…", Spelling::Uebersetzen};
inline constexpr Message PfadKopieren{446, u"Pfad kopieren", Spelling::Uebersetzen};
inline constexpr Message Schliessen{447, u"Schließen", Spelling::Uebersetzen};
inline constexpr Message OeffnenMit{448, u"Öffnen mit", Spelling::Uebersetzen};
// The article editor's settings page: a printer resolution it cannot store, and
// a masked field left half filled.
inline constexpr Message DruckerAufloesungUngueltig{452, u"Druckerauflösung: Standard oder 100 bis 1200 dpi",
                                                    Spelling::Uebersetzen};
inline constexpr Message UngueltigerEingabewert{453, u"Ungültiger Eingabewert. Mit Esc verwerfen Sie die Änderung.",
                                                Spelling::Uebersetzen};
// A printer resolution in Barcode.ini that no printer has: the label is printed
// with the standard barcode pictures.
inline constexpr Message DruckerAufloesungInIniUngueltig{490,
                                                         u"Die Druckerauflösung in Barcode.ini ist ungültig (Standard "
                                                         u"oder 100 bis 1200 dpi): die Barcodes werden in "
                                                         u"Standardauflösung gedruckt.",
                                                         Spelling::Uebersetzen};
} // namespace msg

// Every message above, in ascending order of number.
std::span<const Message> allMessages();
// The message with this number, or nullptr.
const Message* findMessage(int number);

// Fehler beim Übersetzen von "<words>" // Tag-Nr. prüfen (<number>)
QString fallbackText(const Message& m);
QString fallbackText(const Message& m, Spelling spelling);

// GibText(number, fallback).
QString msgText(const Message& m);
QString msgText(const Message& m, Spelling spelling);
// The same by number; raises AppError for a number that is not a message.
QString msgText(int number);
QString msgText(int number, Spelling spelling);
// GibHintText(number, fallback): the article editor's navigator hints.
QString msgHintText(const Message& m);

} // namespace zw
