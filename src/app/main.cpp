#include "app/DemoFill.h"
#include "app/ZeichwerkApplication.h"
#include "core/ProgramScope.h"
#include "forms/main/FrmMain.h"
#include "platform/WidgetPlatform.h"
#include "texts/UebText.h"

int main(int argc, char* argv[]) {
    zw::WidgetPlatform platform;
    zw::ProgramScope globals(&platform);
    // The catalogue comes first: the main window translates itself while loading.
    zw::CreateTextCatalogue();
    zw::ZeichwerkApplication app(argc, argv);
    zw::ZeichwerkApplication::setApplicationName(QStringLiteral("Zeichwerk"));
    globals.createDataModule();
    zw::TfrmMain window;
    window.show();
    zw::applyDemoFill(window);
    zw::applyDemoTabFill(window);
    zw::applySparePartDemoFill(window);
    return zw::ZeichwerkApplication::exec();
}
