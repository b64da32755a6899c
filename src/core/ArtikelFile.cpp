#include "core/AppError.h"
#include "core/DataModule.h"

namespace zw {

// Placeholder until the article file lands.
void TDataModule1::LeseArtikelINI() { myDaten.ArtikelListe.Clear(); }
void TDataModule1::SchreibeArtikelINI() {}

} // namespace zw
