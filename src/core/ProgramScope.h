#pragma once

#include "core/DataModule.h"
#include "texts/UebText.h"

#include <memory>

namespace zw {

class Platform;

// The program's globals for the lifetime of the scope: the platform, a text
// catalogue of the scope's own (UebTextListe) and, once created, the data
// module (DataModule1). The destructor frees what the scope made and puts the
// previous globals back, so scopes nest (a command run inside a test). The
// main window sets frmMain itself while it exists.
//
//     zw::WidgetPlatform platform;
//     zw::ProgramScope globals(&platform);
//     globals.createDataModule();   // reads Barcode.ini through the platform
class ProgramScope {
public:
    // Installs `platform` (not owned; nullptr keeps the one installed) and an empty catalogue.
    explicit ProgramScope(Platform* platform);
    ~ProgramScope();
    ProgramScope(const ProgramScope&) = delete;
    ProgramScope& operator=(const ProgramScope&) = delete;

    TUebTextListe& catalogue() { return m_catalogue; }
    // Creates the data module (DataModuleCreate runs) and installs it; a
    // second call replaces the first.
    TDataModule1& createDataModule();
    // The data module made by createDataModule.
    TDataModule1& dataModule() { return *m_dataModule; }

private:
    Platform* m_previousPlatform;
    TUebTextListe* m_previousCatalogue;
    TDataModule1* m_previousDataModule;
    TUebTextListe m_catalogue;
    std::unique_ptr<TDataModule1> m_dataModule;
};

} // namespace zw
