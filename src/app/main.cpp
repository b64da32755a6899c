#include "app/DemoFill.h"
#include "app/ZeichwerkApplication.h"
#include "core/DataModule.h"
#include "forms/main/FrmMain.h"
#include "platform/WidgetPlatform.h"
#include "texts/UebText.h"

int main(int argc, char* argv[]) {
    // The catalogue comes first: the main window translates itself while loading.
    zw::CreateTextCatalogue();
    zw::ZeichwerkApplication app(argc, argv);
    zw::ZeichwerkApplication::setApplicationName(QStringLiteral("Zeichwerk"));
    zw::WidgetPlatform platform;
    zw::setPlatform(&platform);
    int status = 0;
    {
        zw::TDataModule1 dataModule;
        zw::DataModule1 = &dataModule;
        {
            zw::TfrmMain window;
            window.show();
            zw::applyDemoFill(window);
            status = zw::ZeichwerkApplication::exec();
        }
        zw::DataModule1 = nullptr;
    }
    zw::setPlatform(nullptr);
    zw::FreeTextCatalogue();
    return status;
}
