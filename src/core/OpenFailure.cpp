#include "core/OpenFailure.h"

#include "platform/Platform.h"
#include "texts/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace zw {

bool offerWaysToOpen(const QString& path) {
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    const QString text = msgText(msg::KeinProgrammZumOeffnen) + QStringLiteral("\n\n") + msgText(msg::Dokument) +
                         QLatin1Char(' ') + file.fileName() + QLatin1Char('\n') + msgText(msg::Ordner) +
                         QLatin1Char(' ') + folder;
    const QStringList buttons{msgText(msg::OrdnerOeffnen), msgText(msg::ProgrammWaehlen), msgText(msg::PfadKopieren),
                              msgText(msg::Schliessen)};
    enum Choice { OpenFolder, ChooseProgram, CopyPath };
    for (;;) {
        switch (platform().showChoice(MessageIcon::Warning, msgText(msg::DokumentNichtGeoeffnet), text, buttons)) {
        case OpenFolder:
            if (platform().openDocument(file.absolutePath()))
                return false;
            break;
        case ChooseProgram:
            if (platform().openWith(path, msgText(msg::OeffnenMit)))
                return true;
            break;
        case CopyPath:
            platform().setClipboardText(QDir::toNativeSeparators(file.absoluteFilePath()));
            break;
        default: // Close, or the box closed otherwise
            return false;
        }
    }
}

void openDocumentOrOffer(const QString& path) {
    if (!platform().openDocument(path))
        offerWaysToOpen(path);
}

} // namespace zw
