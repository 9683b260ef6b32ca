#pragma once
// "Communication Port": the user picks one of the serial ports that can be opened now. OK stores
// its name ("COM3") in TALL::ComPort; Cancel keeps the stored name.

#include "locale/FormDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

class TfSetPort : public TFormDialog {
    Q_OBJECT
public:
    explicit TfSetPort(QWidget* parent = nullptr);

    QLabel* lbName;
    QComboBox* cbCom;  // shows each port with its device; the item data is the port name
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // The name of the chosen port; empty when no port is present.
    QString ChosenPort() const;

protected:
    void FormShow() override;

private:
    void btnOKClick();
};
