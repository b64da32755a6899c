#include "core/AppError.h"
#include "core/DataModule.h"
#include "platform/Platform.h"

namespace zw {

// Placeholder until the download lands.
bool TDataModule1::IstMitInternetVerbunden() { return platform().isConnected(); }
bool TDataModule1::downloadFileFromUrl(const QString&, const QString&) { return false; }

} // namespace zw
