#include "app/MainWindow.h"
#include "app/Startup.h"
#include "locale/MessageBoxPresenter.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("K-640"));
    const TMessageBoxPresenter messageBoxes;
    DataModuleCreate(ProgramFolder());
    TfMainFrm window;
    window.show();
    return app.exec();
}
