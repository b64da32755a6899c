#include "core/ProgramScope.h"

#include "platform/Platform.h"

namespace zw {

ProgramScope::ProgramScope(Platform* platform)
    : m_previousPlatform(installedPlatform()), m_previousCatalogue(UebTextListe), m_previousDataModule(DataModule1) {
    if (platform)
        setPlatform(platform);
    UebTextListe = &m_catalogue;
}

ProgramScope::~ProgramScope() {
    DataModule1 = m_previousDataModule;
    m_dataModule.reset();
    UebTextListe = m_previousCatalogue;
    setPlatform(m_previousPlatform);
}

TDataModule1& ProgramScope::createDataModule() {
    DataModule1 = m_previousDataModule;
    m_dataModule.reset();
    m_dataModule = std::make_unique<TDataModule1>();
    DataModule1 = m_dataModule.get();
    return *m_dataModule;
}

} // namespace zw
