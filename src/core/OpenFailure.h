#pragma once

#include <QString>

namespace zw {

// When the desktop cannot open a document (no program for its kind), the user
// is shown, in the interface language, which document it is and where it
// lies, and may open its folder, choose a program, copy its path or close.
// Choosing no program or a folder that will not open leads back to the choice.
// Returns true when a chosen program was started with the document.
bool offerWaysToOpen(const QString& path);

// Asks the desktop to open `path` and offers the ways above when it cannot.
void openDocumentOrOffer(const QString& path);

} // namespace zw
