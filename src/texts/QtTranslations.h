#pragma once

#include <QString>

namespace zw {

// Qt's own texts (the buttons of message boxes, the file dialogs) in the
// interface language: "D" loads Qt's German translations, any other code
// leaves Qt's English. Takes effect for the application object that exists;
// without one it does nothing. Loading the language of the text catalogue
// switches them (LadeSprache).
void switchQtTranslations(const QString& languageCode);

} // namespace zw
