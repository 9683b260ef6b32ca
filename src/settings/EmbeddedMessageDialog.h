#pragma once
// "Embedded Message": the two lines of TEnMsg, each of at most 32 characters. Typed and pasted
// text alike passes the message rule (settings/MessageText.h): any other character is dropped
// before it reaches a line. OK copies the lines into TEnMsg and leaves Modified as it was.

#include "locale/FormDialog.h"

class QLineEdit;
class QPushButton;

class TfEmbeddedMessage : public TFormDialog {
    Q_OBJECT
public:
    explicit TfEmbeddedMessage(QWidget* parent = nullptr);

    QLineEdit* edEMA;  // line 1
    QLineEdit* edEMB;  // line 2
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    void FormShow() override;

private:
    void btnOkClick();
};
