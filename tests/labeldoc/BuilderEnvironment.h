#pragma once

#include "core/DataModule.h"
#include "core/ProgramScope.h"

#include "FakePlatform.h"

#include <QDir>

namespace zw::test {

// A fake platform and a data module whose home folder exists, installed as
// DataModule1 for the lifetime of the object.
struct BuilderEnvironment {
    ScopedFakePlatform platform;
    ProgramScope globals{&platform.fake};
    TDataModule1& dataModule = globals.createDataModule();

    BuilderEnvironment() {
        dataModule.homedir = platform.root() + QStringLiteral("home/");
        QDir().mkpath(dataModule.homedir);
    }
    BuilderEnvironment(const BuilderEnvironment&) = delete;
    BuilderEnvironment& operator=(const BuilderEnvironment&) = delete;

    FakePlatform& fake() { return platform.fake; }
    QString home() const { return dataModule.homedir; }
    QString program() const { return platform.fake.program; }
};

} // namespace zw::test
