#include "core/IniFile.h"
#include "base/AppError.h"

#include "FakePlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace zw;
using zw::test::readFile;
using zw::test::writeFile;

namespace {

struct IniFixture : ::testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Barcode.ini")); }
};

TEST_F(IniFixture, ReadsWithCaseInsensitiveNamesAndTrimmedValues) {
    writeFile(path(),
              "; comment\r\n[einstellungen]\r\n  Sprache =  Englisch  \r\nArtNrPfad=\r\n[Other]\r\nSprache=x\r\n");
    const IniFile ini(path());
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Row rows[] = {
        {"Einstellungen", "Sprache", "Englisch"}, // case of section differs, blanks trimmed
        {"EINSTELLUNGEN", "SPRACHE", "Englisch"}, // upper case
        {"Einstellungen", "ArtNrPfad", ""},       // present but empty: not the default
        {"Einstellungen", "Missing", "default"},  // missing key
        {"Missing", "Sprache", "default"},        // missing section
        {"Other", "sprache", "x"},                // same key in another section
    };
    for (const Row& r : rows)
        EXPECT_EQ(ini.readString(QString::fromUtf8(r.section), QString::fromUtf8(r.key), QStringLiteral("default")),
                  QString::fromUtf8(r.expected))
            << r.section << "/" << r.key;
}

TEST_F(IniFixture, MissingFileOrEmptyPathYieldsDefaults) {
    EXPECT_EQ(IniFile(path()).readString(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("d")),
              QStringLiteral("d"));
    IniFile none{QString()};
    EXPECT_EQ(none.readInteger(QStringLiteral("A"), QStringLiteral("b"), 7), 7);
    none.writeString(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")); // does nothing, raises nothing
    EXPECT_TRUE(none.readSectionValues(QStringLiteral("A")).isEmpty());
}

TEST_F(IniFixture, WriteChangesOnlyTheWrittenKeyAndKeepsForeignBytes) {
    // Foreign lines: a comment, odd spacing, LF-only and CR-only line ends,
    // a Windows-1252 byte and a last line without line end.
    const QByteArray before = "; Kommentar \xE4\r\n[Einstellungen]\r\nSprache = Deutsch\nLogger=False\r"
                              "ArtNrPfad=\\\\server\\x\\\r\n\r\n[Geraetetyp]\r\nGer0=Pumpe";
    struct Row {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
        QByteArray expected;
    };
    const Row rows[] = {
        {"replace existing key", "einstellungen", "LOGGER", "True",
         "; Kommentar \xE4\r\n[Einstellungen]\r\nSprache = Deutsch\nLOGGER=True\r"
         "ArtNrPfad=\\\\server\\x\\\r\n\r\n[Geraetetyp]\r\nGer0=Pumpe"},
        {"append key to section, before its blank line", "Einstellungen", "Offline", "true",
         "; Kommentar \xE4\r\n[Einstellungen]\r\nSprache = Deutsch\nLogger=False\r"
         "ArtNrPfad=\\\\server\\x\\\r\nOffline=true\r\n\r\n[Geraetetyp]\r\nGer0=Pumpe"},
        {"append key to last section without final line end", "Geraetetyp", "Ger1", "Motor",
         "; Kommentar \xE4\r\n[Einstellungen]\r\nSprache = Deutsch\nLogger=False\r"
         "ArtNrPfad=\\\\server\\x\\\r\n\r\n[Geraetetyp]\r\nGer0=Pumpe\r\nGer1=Motor\r\n"},
        {"append new section at the end", "Proxy", "port", "8080",
         "; Kommentar \xE4\r\n[Einstellungen]\r\nSprache = Deutsch\nLogger=False\r"
         "ArtNrPfad=\\\\server\\x\\\r\n\r\n[Geraetetyp]\r\nGer0=Pumpe\r\n[Proxy]\r\nport=8080\r\n"},
        {"value with line break stays on one line", "Proxy", "name", "a\r\nb=c",
         "; Kommentar \xE4\r\n[Einstellungen]\r\nSprache = Deutsch\nLogger=False\r"
         "ArtNrPfad=\\\\server\\x\\\r\n\r\n[Geraetetyp]\r\nGer0=Pumpe\r\n[Proxy]\r\nname=a b=c\r\n"},
    };
    for (const Row& r : rows) {
        writeFile(path(), before);
        IniFile ini(path());
        ini.writeString(QString::fromUtf8(r.section), QString::fromUtf8(r.key), QString::fromUtf8(r.value));
        EXPECT_EQ(readFile(path()), r.expected) << r.name;
    }
}

TEST_F(IniFixture, WriteCreatesMissingFileAndKeepsUtf8Mark) {
    IniFile ini(path());
    ini.writeString(QStringLiteral("Einstellungen"), QStringLiteral("Sprache"), QStringLiteral("Englisch"));
    EXPECT_EQ(readFile(path()), QByteArray("[Einstellungen]\r\nSprache=Englisch\r\n"));

    writeFile(path(), "\xEF\xBB\xBF[A]\r\nk=\xC3\xA4\r\n");
    ini.writeString(QStringLiteral("A"), QStringLiteral("n"), QStringLiteral("ö"));
    EXPECT_EQ(readFile(path()), QByteArray("\xEF\xBB\xBF[A]\r\nk=\xC3\xA4\r\nn=\xC3\xB6\r\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("a"), QStringLiteral("K"), QString()), QStringLiteral("ä"));
}

TEST_F(IniFixture, ValuesTheCodePageCannotHoldAreKeptInUtf8) {
    struct Row {
        const char* name;
        QByteArray before; // "" = no file
        const char* value;
        QByteArray after;
    };
    const Row rows[] = {
        {"fits: the file stays in the code page", "; K\xE4se\r\n[A]\r\n", "\xE2\x82\xAC 5",
         "; K\xE4se\r\n[A]\r\nk=\x80 5\r\n"},
        {"does not fit: the whole file turns UTF-8 with a mark", "; K\xE4se\r\n[A]\r\n",
         "/mnt/\xC5\x81\xC3\xB3"
         "d\xC5\xBA/",
         "\xEF\xBB\xBF; K\xC3\xA4se\r\n[A]\r\nk=/mnt/\xC5\x81\xC3\xB3"
         "d\xC5\xBA/\r\n"},
        {"new file", "", "\xD0\x9F\xD1\x83\xD1\x82\xD1\x8C",
         "\xEF\xBB\xBF[A]\r\nk=\xD0\x9F\xD1\x83\xD1\x82\xD1\x8C\r\n"},
    };
    for (const Row& r : rows) {
        QFile::remove(path());
        if (!r.before.isEmpty())
            writeFile(path(), r.before);
        IniFile ini(path());
        ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QString::fromUtf8(r.value));
        EXPECT_EQ(readFile(path()), r.after) << r.name;
        EXPECT_EQ(ini.readString(QStringLiteral("A"), QStringLiteral("k"), QString()), QString::fromUtf8(r.value))
            << r.name;
    }
}

// Linux editors save UTF-8 without a mark; an older tool may have put the code
// page behind a mark. Either is read by what it holds, and a write leaves the
// file in the code page, every line keeping its text.
TEST_F(IniFixture, ReadsTheEncodingTheBytesHoldAndWritesTheCodePage) {
    struct Row {
        const char* name;
        QByteArray before;
        QByteArray after; // once k=x is written
    };
    const QByteArray codePage = "[E]\r\nArtNrPfad=/home/J\xF6rg/\r\nk=x\r\n";
    const Row rows[] = {
        {"UTF-8 without mark", "[E]\r\nArtNrPfad=/home/J\xC3\xB6rg/\r\n", codePage},
        {"code page behind a UTF-8 mark", "\xEF\xBB\xBF[E]\r\nArtNrPfad=/home/J\xF6rg/\r\n", codePage},
        {"code page", "[E]\r\nArtNrPfad=/home/J\xF6rg/\r\n", codePage},
        {"UTF-8 with mark", "\xEF\xBB\xBF[E]\r\nArtNrPfad=/home/J\xC3\xB6rg/\r\n",
         "\xEF\xBB\xBF[E]\r\nArtNrPfad=/home/J\xC3\xB6rg/\r\nk=x\r\n"},
    };
    for (const Row& r : rows) {
        writeFile(path(), r.before);
        IniFile ini(path());
        EXPECT_EQ(ini.readString(QStringLiteral("E"), QStringLiteral("ArtNrPfad"), QString()),
                  QStringLiteral("/home/Jörg/"))
            << r.name;
        ini.writeString(QStringLiteral("E"), QStringLiteral("k"), QStringLiteral("x"));
        EXPECT_EQ(readFile(path()), r.after) << r.name;
    }
}

// The article file's rule: codes up to 32 go, a no-break space stays.
TEST_F(IniFixture, TrimsOnlyCodesUpTo32) {
    writeFile(path(), "\x01[E]\x1F\r\n\x0B k\t= \x01x\xA0\r\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.readString(QStringLiteral("e"), QStringLiteral("K"), QString()), QStringLiteral("x\u00A0"));
}

TEST_F(IniFixture, WriteNeverReplacesAFileItCannotRead) {
    const QByteArray settings = "[Einstellungen]\r\nSAPLieferantennummer=12345\r\n[Geraetetyp]\r\nGer0=Pumpe\r\n";
    writeFile(path(), settings);
    // Writable but not readable. Root reads everything, so as root the write
    // runs in a child as "nobody", who then owns the file.
    constexpr uid_t nobody = 65534;
    const bool root = geteuid() == 0;
    if (root) {
        if (chown(QFile::encodeName(path()).constData(), nobody, nobody) != 0)
            GTEST_SKIP() << "cannot hand the file to uid " << nobody;
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
    }
    QFile::setPermissions(path(), QFileDevice::WriteOwner | QFileDevice::WriteUser);
    enum { Raised = 0, Wrote = 1, CannotDrop = 2 };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (setgid(nobody) != 0 || setuid(nobody) != 0))
            std::_Exit(CannotDrop);
        int status = Wrote;
        try {
            IniFile(path()).writeString(QStringLiteral("Proxy"), QStringLiteral("name"), QStringLiteral("p"));
        } catch (const AppError&) {
            status = Raised;
        }
        std::_Exit(status);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == CannotDrop)
        GTEST_SKIP() << "cannot run as uid " << nobody;
    EXPECT_EQ(WEXITSTATUS(status), Raised) << "the write must fail";
    EXPECT_EQ(readFile(path()), settings);
}

TEST_F(IniFixture, EraseSectionRemovesItWithAllItsKeys) {
    writeFile(path(), "[Lagerplatz]\r\nLag0=A\r\nLag1=B\r\n[Geraetetyp]\r\nGer0=X\r\n[lagerplatz]\r\nLag9=C\r\n");
    IniFile ini(path());
    ini.eraseSection(QStringLiteral("LAGERPLATZ"));
    EXPECT_EQ(readFile(path()), QByteArray("[Geraetetyp]\r\nGer0=X\r\n"));
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("Lagerplatz")));
}

TEST_F(IniFixture, SectionValuesComeInFileOrder) {
    writeFile(path(), "[Geraetetyp]\r\nGer1=Zweiter=Teil\r\n;Ger5=aus\r\nGer0 = Erster\r\nkein Eintrag\r\n");
    EXPECT_EQ(IniFile(path()).readSectionValues(QStringLiteral("geraetetyp")),
              QStringList({QStringLiteral("Ger1=Zweiter=Teil"), QStringLiteral("Ger0=Erster")}));
}

TEST_F(IniFixture, BooleanTextRules) {
    struct Row {
        const char* text;
        bool expected;
        bool raises;
    };
    const Row rows[] = {
        {"true", true, false}, {"TRUE", true, false}, {"False", false, false}, {"fAlSe", false, false},
        {"0", false, false},   {"1", true, false},    {"-3", true, false},     {"2.5", true, false},
        {"yes", false, true},  {"", false, true},     {"wahr", false, true},
    };
    for (const Row& r : rows) {
        writeFile(path(), QByteArray("[Einstellungen]\r\nLogger=") + r.text + "\r\n");
        const IniFile ini(path());
        if (r.raises) {
            EXPECT_THROW(ini.readBool(QStringLiteral("Einstellungen"), QStringLiteral("Logger"), false), AppError)
                << r.text;
        } else {
            EXPECT_EQ(ini.readBool(QStringLiteral("Einstellungen"), QStringLiteral("Logger"), !r.expected), r.expected)
                << r.text;
        }
    }
    // A missing key yields the default without raising.
    EXPECT_TRUE(IniFile(path()).readBool(QStringLiteral("Einstellungen"), QStringLiteral("Offline"), true));
}

} // namespace
