#include "editor/Optionen.h"

#include "base/TextFile.h"
#include "core/DataModule.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

#include <exception>

namespace zw {

namespace {

QString joinWithCrLf(const QStringList& entries) {
    QString text;
    for (const QString& e : entries)
        text += e + QStringLiteral("\r\n");
    return text;
}

// A line of the older list form: key ";" designation ";" EAN. A missing ";"
// leaves its field empty and the rest of the line where it is.
struct OldListLine {
    QString key;
    QString designation;
    QString ean;

    explicit OldListLine(QString line) {
        key = takeField(line);
        designation = takeField(line);
        ean = line;
    }
    // The older list's rule for a usable line: an EAN-13, an 18-character key holding the material number.
    bool fits(const QString& materialNr) const {
        return ean.size() == 13 && key.size() == 18 && !materialNr.isEmpty() && key.contains(materialNr);
    }

private:
    static QString takeField(QString& rest) {
        const qsizetype at = rest.indexOf(QLatin1Char(';'));
        if (at < 0)
            return {};
        QString field = rest.left(at);
        rest.remove(0, at + 1);
        return field;
    }
};

// The older list's lines, or nothing (after telling the user) when it is missing.
bool readOldList(QList<OldListLine>& lines) {
    const QString path = DataModule1->GibPfadToEigeneDateien(DataModule1->EAN_File_Name);
    TextDocument doc;
    if (!platform().fileExists(path) || !readTextFile(path, doc)) {
        platform().showMessage(MessageIcon::None, MessageButtons::Ok, QString(), msgText(msg::DateiNichtGefunden));
        return false;
    }
    for (const QString& l : std::as_const(doc.lines))
        lines.append(OldListLine(l));
    return true;
}

} // namespace

void TOptionen::Lade_aus_INI() {
    const Settings iniOption = Settings::homeFirst();
    Lieferantennummer = iniOption.read(settings::SAPLieferantennummer, QStringLiteral("00000"));
    LieferantennummerKurz = iniOption.read(settings::LieferantennummerKurz, QStringLiteral("00"));
    Sprache = iniOption.read(settings::Sprache, QStringLiteral("Deutsch"));
    ArtNrPfad = iniOption.read(settings::ArtNrPfad, QString());
    iniOption.read(settings::BarcodeTyp, 1); // Code 128 C is the only type offered
    DruckerAufloesung = iniOption.read(settings::DruckerAufloesung, 0);
    BCTyp = QStringLiteral("bcCode128C");
    slGeraetetyp = DataModule1->slGeraetetyp;
    slLagerplatz = DataModule1->slLagerplatz;
}

QString TOptionen::getGeraettyptext() const {
    return joinWithCrLf(slGeraetetyp);
}

QString TOptionen::getLagerplatztext() const {
    return joinWithCrLf(slLagerplatz);
}

void TOptionen::Lade_EAN_Liste_Aus_Internet() {
    TDataModule1& dm = *DataModule1;
    try {
        const QString destination = dm.SaveToEigeneDateien(QStringLiteral("artikel_ean_liste.txt"));
        dm.writeLog(QStringLiteral("~~~~ EAN-LIST SAVE PATH: ") + destination);
        if (dm.downloadFileFromUrl(dm.EAN_Download_Pfad, destination)) {
            dm.writeLog(QStringLiteral("~~~~ DOWNLOADFILEFROMURL SUCCESS"));
            platform().showMessage(MessageIcon::Information, MessageButtons::Ok, QStringLiteral("Informationen"),
                                   msgText(msg::UpdateErfolgreich));
        }
    } catch (const std::exception&) {
        dm.writeLog(QStringLiteral("~~~~ DOWNLOADFILEFROMURL FAILED"));
        platform().showMessage(MessageIcon::Warning, MessageButtons::Ok, QStringLiteral("Warnung"),
                               msgText(msg::UpdateFehlgeschlagen));
    }
}

void TOptionen::auto_EAN_Suche() {
    QList<OldListLine> lines;
    if (!readOldList(lines))
        return;
    TArtikelListe& list = DataModule1->myDaten.ArtikelListe;
    for (int i = 0; i < list.Count(); ++i) {
        TArtikel& a = list.Artikel(i);
        for (const OldListLine& l : std::as_const(lines)) {
            if (l.fits(a.MaterialNr)) {
                a.EAN = l.ean;
                a.Benennung = l.designation;
            }
        }
    }
    DataModule1->SchreibeArtikelINI();
    DataModule1->LeseArtikelINI();
}

QString TOptionen::EAN_Benennung_automatisch_suchen(const QString& sEingabe) {
    QList<OldListLine> lines;
    if (!readOldList(lines))
        return {};
    for (const OldListLine& l : std::as_const(lines))
        if (l.fits(sEingabe))
            return l.designation + QLatin1Char(';') + l.ean;
    return {};
}

} // namespace zw
