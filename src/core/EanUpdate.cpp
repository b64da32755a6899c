#include "core/AppError.h"
#include "core/DataModule.h"

namespace zw {

// Placeholder until the EAN list update lands.
void TDataModule1::AktualisiereDatensaetze() {}

} // namespace zw
