#include "core/Settings.h"
#include "core/ProgramScope.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::test;

namespace {

TEST(Settings, ListsAreWrittenAsNumberedKeysAndReadInFileOrder) {
    ScopedFakePlatform p;
    const QString path = p->program + QStringLiteral("Barcode.ini");
    writeFile(path, "[Einstellungen]\r\nLogger=False\r\n[Geraetetyp]\r\nGer0=alt\r\nGer7=weg\r\n");
    Settings ini = Settings::programFolder();
    ini.write(settings::Geraetetyp, {QStringLiteral("Pumpe"), QString(), QStringLiteral("Motor")});
    ini.write(settings::Logger, true);
    ini.write(settings::ProxyPort, 8080);
    EXPECT_EQ(readFile(path), QByteArray("[Einstellungen]\r\nLogger=True\r\n[Geraetetyp]\r\nGer0=Pumpe\r\nGer1=\r\n"
                                         "Ger2=Motor\r\n[Proxy]\r\nport=8080\r\n"));
    EXPECT_EQ(ini.read(settings::Geraetetyp),
              (QStringList{QStringLiteral("Pumpe"), QString(), QStringLiteral("Motor")}));
    EXPECT_TRUE(ini.read(settings::Lagerplatz).isEmpty());
    EXPECT_EQ(ini.read(settings::ProxyPort, 0), 8080);
}

// Program folder only, or the home folder's file first; without a file the
// defaults are read and nothing is written.
TEST(Settings, FindsTheFileOneOfTheTwoWays) {
    ScopedFakePlatform p;
    ProgramScope globals(&p.fake);
    TDataModule1& dm = globals.createDataModule();
    dm.homedir = p.root() + QStringLiteral("home/");
    Settings none = Settings::programFolder();
    EXPECT_EQ(none.path(), QString());
    none.write(settings::Sprache, QStringLiteral("Englisch"));
    EXPECT_EQ(none.read(settings::Sprache, QStringLiteral("Deutsch")), QStringLiteral("Deutsch"));

    writeFile(p->program + QStringLiteral("Barcode.ini"), "[Einstellungen]\r\nSAPLieferantennummer=11111\r\n");
    EXPECT_EQ(Settings::homeFirst().read(settings::SAPLieferantennummer, QString()), QStringLiteral("11111"));
    writeFile(dm.homedir + QStringLiteral("Barcode.ini"), "[Einstellungen]\r\nSAPLieferantennummer=22222\r\n");
    EXPECT_EQ(Settings::homeFirst().read(settings::SAPLieferantennummer, QString()), QStringLiteral("22222"));
    EXPECT_EQ(Settings::programFolder().read(settings::SAPLieferantennummer, QString()), QStringLiteral("11111"));
}

TEST(ProgramScope, NestedScopesPutThePreviousGlobalsBack) {
    ScopedFakePlatform outerPlatform;
    ProgramScope outer(&outerPlatform.fake);
    TDataModule1& outerModule = outer.createDataModule();
    {
        FakePlatform innerPlatform;
        ProgramScope inner(&innerPlatform);
        EXPECT_EQ(&platform(), &innerPlatform);
        EXPECT_EQ(UebTextListe, &inner.catalogue());
        EXPECT_EQ(DataModule1, &outerModule) << "until the inner scope makes its own";
        EXPECT_EQ(&inner.createDataModule(), DataModule1);
    }
    EXPECT_EQ(&platform(), &outerPlatform.fake);
    EXPECT_EQ(UebTextListe, &outer.catalogue());
    EXPECT_EQ(DataModule1, &outerModule);
}

} // namespace
