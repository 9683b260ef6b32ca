#pragma once

#include <QMainWindow>

// The program's main window.
class TfMainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMainFrm(QWidget* parent = nullptr);
};
