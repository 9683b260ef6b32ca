#pragma once
// The about box. Its product, version and maker lines exist only in the language files (section
// fFrmAbout); the dialog itself holds placeholders. A click on the box or on a label closes it.

#include "locale/FormDialog.h"

class QFrame;
class QLabel;
class QPlainTextEdit;

class TfFrmAbout : public TFormDialog {
    Q_OBJECT
public:
    explicit TfFrmAbout(QWidget* parent = nullptr);

    QLabel* Image1;  // the application icon
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label8;
    QLabel* Label4;
    QLabel* Label9;
    QPlainTextEdit* Memo1;
    QFrame* Panel1;  // hidden: holds the lines of the memo
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;

protected:
    void FormShow() override;
    void mousePressEvent(QMouseEvent* event) override;
};
