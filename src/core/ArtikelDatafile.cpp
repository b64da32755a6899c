#include "base/AppError.h"
#include "core/Artikel.h"
#include "datafile/ReadWriteFile.h"

namespace zw {

namespace {

const QString kXmlDeclaration = QStringLiteral("<?xml version=\"1.0\"?>");
// An article occupies nothing in the file, so no file size bounds the count it
// declares; beyond this many, creating the empty articles would exhaust memory.
constexpr qint32 kMaxArticles = 10000000;

} // namespace

void TArtikel::Readwritefile(TReadWriteFile&) {}

void TArtikelListe::Readwritefile(TReadWriteFile& hefile) {
    qint32 n = Count() - 1;
    hefile.ReadWriteInteger(n, QStringLiteral("Anzahl"));
    if (hefile.SchreibendeOperation()) {
        for (qint32 i = 0; i <= n; ++i)
            Artikel(i).Readwritefile(hefile);
        return;
    }
    if (n >= kMaxArticles)
        throw AppError(QStringLiteral("'%1' is not a valid article count").arg(qint64(n) + 1));
    Reserve(n + 1);
    for (qint32 i = 0; i <= n; ++i) {
        auto a = std::make_unique<TArtikel>();
        a->Readwritefile(hefile);
        Add(std::move(a));
    }
}

void TMyDaten::Readwritefile(TReadWriteFile& hefile) {
    hefile.BeginObjekt(QStringLiteral("Daten"));
    ArtikelListe.Readwritefile(hefile);
    hefile.EndeObjekt();
}

void TMyDaten::Loadfromfile(const QString& sFile) {
    clear();
    try {
        TReadWriteFile f(dateiRead, sFile, rwTypText, kXmlDeclaration);
        Readwritefile(f);
        f.Destroy();
    } catch (...) {
        // A file that fails part-way leaves no half-read list behind.
        clear();
        throw;
    }
}

void TMyDaten::Savetofile(const QString& sFile) {
    TReadWriteFile f(DateiWrite, sFile, rwTypText, kXmlDeclaration);
    Readwritefile(f);
    f.Destroy();
}

} // namespace zw
