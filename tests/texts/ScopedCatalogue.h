#pragma once

#include "texts/UebText.h"

namespace zw::test {

// Gives a test a fresh, empty global catalogue and frees it at the end.
class ScopedCatalogue {
public:
    ScopedCatalogue() {
        FreeTextCatalogue();
        UebTextListe = new TUebTextListe;
    }
    ~ScopedCatalogue() { FreeTextCatalogue(); }
    ScopedCatalogue(const ScopedCatalogue&) = delete;
    ScopedCatalogue& operator=(const ScopedCatalogue&) = delete;
};

} // namespace zw::test
