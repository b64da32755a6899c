#pragma once

// Shared set-up of the article tests: a data module on a fake platform whose
// article folder is a fresh temporary folder.

#include "core/Artikel.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"

#include "FakePlatform.h"

#include <QDir>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace zw::test {

struct ArticleFolder {
    ScopedFakePlatform platform;
    ProgramScope globals{&platform.fake};
    TDataModule1* dm = &globals.createDataModule();
    QString folder; // the article folder, with a trailing "/"

    ArticleFolder() {
        folder = platform.root() + QStringLiteral("articles/");
        QDir().mkpath(folder);
        dm->homedir = platform.root() + QStringLiteral("home/");
        QDir().mkpath(dm->homedir);
        dm->ArtikelnummerPflegePfad = folder;
    }

    QString articleFile() const { return folder + QStringLiteral("Artikel.ini"); }
    QString eanList() const { return folder + QStringLiteral("artikel_ean_liste.txt"); }
    TArtikelListe& list() { return dm->myDaten.ArtikelListe; }

    // The log lines without their time stamps.
    QStringList logTexts() const {
        QStringList out;
        for (const QString& l : dm->sLogger)
            out.append(l.mid(l.indexOf(QStringLiteral("] ")) + 2));
        return out;
    }
};

// Makes writes beyond `bytes` fail while it lives, as a full disk would; the
// limit binds root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};

inline TArtikel article(const QString& materialNr, const QString& benennung = QString()) {
    TArtikel a;
    a.MaterialNr = materialNr;
    a.Benennung = benennung;
    return a;
}

// Every article of the list, for comparisons that print well.
inline std::vector<TArtikel> articlesOf(const TArtikelListe& list) {
    std::vector<TArtikel> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Artikel(i));
    return out;
}

inline void PrintTo(const TArtikel& a, std::ostream* os) {
    *os << "{";
    for (int f = 0; f < TArtikel::FieldCount; ++f)
        *os << (f ? "|" : "") << a.field(f).toStdString();
    *os << "}";
}

} // namespace zw::test

namespace zw {
// gtest finds the printer through the argument's namespace.
inline void PrintTo(const TArtikel& a, std::ostream* os) {
    test::PrintTo(a, os);
}
} // namespace zw
