#pragma once
// "Language File Setup": the user picks one of the languages listed in SysInfo.Ini. After the
// dialog has closed, LanguageChanged tells the caller to load the new language and translate
// the windows that stay open.

#include "locale/FormDialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class TfSetLanguage : public TFormDialog {
    Q_OBJECT
public:
    explicit TfSetLanguage(QWidget* parent = nullptr);

    QLabel* lbName;
    QComboBox* cbLanguage;  // display names
    QListWidget* Language;  // file names, hidden, position for position with cbLanguage
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // Set by OK when another language was chosen; TALL then holds its name and index.
    bool LanguageChanged = false;

protected:
    void FormShow() override;

private:
    void btnOkClick();
};
