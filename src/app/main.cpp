#include "app/MainWindow.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("K-640"));
    DataModuleCreate(ProgramFolder());
    TfMainFrm window;
    window.show();
    const int result = app.exec();
    SaveSettingsAtShutdown();
    return result;
}
