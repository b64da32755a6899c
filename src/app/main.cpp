#include "core/DataModule.h"
#include "platform/WidgetPlatform.h"
#include "texts/UebText.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    // The catalogue comes first: the main window translates itself while loading.
    zw::CreateTextCatalogue();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zeichwerk"));
    zw::WidgetPlatform platform;
    zw::setPlatform(&platform);
    int status = 0;
    {
        zw::TDataModule1 dataModule;
        zw::DataModule1 = &dataModule;
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Zeichwerk"));
        window.resize(800, 600);
        window.show();
        status = QApplication::exec();
        zw::DataModule1 = nullptr;
    }
    zw::setPlatform(nullptr);
    zw::FreeTextCatalogue();
    return status;
}
