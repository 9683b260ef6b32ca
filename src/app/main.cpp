#include "app/MainWindow.h"
#include "app/Startup.h"
#include "locale/MessageBoxPresenter.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("K-640"));
    const TMessageBoxPresenter messageBoxes;
    DataModuleCreate(StartupFileLocations());
    TfMainFrm window;
    // Without a window manager a maximised window keeps its size: give it the screen first.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    const QString file = CodeplugArgument(app.arguments());
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.OpenCodeplugFile(file); });
    return app.exec();
}
