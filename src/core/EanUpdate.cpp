#include "core/DataModule.h"
#include "core/EanList.h"

#include "base/TextFile.h"

namespace zw {

void TDataModule1::AktualisiereDatensaetze() {
    TArtikelListe& list = myDaten.ArtikelListe;

    // The whole list is read before any article changes, so a list that cannot
    // be read leaves the articles and the article file as they were.
    EanMatcher matcher(list);
    forEachTextLine(ArtikelnummerPflegePfad + EAN_File_Name, [&](QStringView line) { matcher.addLine(line); });

    for (int i = 0; i < list.Count(); ++i) {
        TArtikel& a = list.Artikel(i);
        writeLog(QStringLiteral("~~~~~~~ UPDATE ARTICLE: ") + a.MaterialNr);
        if (const QString* line = matcher.lineFor(a.MaterialNr))
            applyEanLine(a, *line);
    }

    SchreibeArtikelINI();
    LeseArtikelINI();
}

} // namespace zw
