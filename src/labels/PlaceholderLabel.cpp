#include "labels/PlaceholderLabel.h"

#include "core/DataModule.h"

namespace zw {

void PlaceholderLabel::DoNeu() {
    cmbMatnr.fillMaterialNumbers(DataModule1->myDaten.ArtikelListe);
    cmbMatnr.setItemIndex(-1);
}

} // namespace zw
