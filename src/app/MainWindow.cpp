#include "app/MainWindow.h"

#include "codeplug/GlobalState.h"

TfMainFrm::TfMainFrm(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(theAll().AppTitle);
    resize(1024, 768);
}
