#pragma once
// The one message box routine. Core code calls MsgBox; what the user sees depends on the
// presenter installed: a QMessageBox in the program, standard error in headless tools, a script
// in tests.

#include <QString>

enum MsgBoxKind {
    MsgInformation = 1,  // OK
    MsgYesNo = 2,        // Yes, No
    MsgYesNoCancel = 3,  // Yes, No, Cancel
    MsgRetryCancel = 22, // Retry, Cancel
};

enum MsgBoxResult {
    MsgResultOk = 1,
    MsgResultCancel = 2,
    MsgResultRetry = 4,
    MsgResultYes = 6,
    MsgResultNo = 7,
};

class TMsgPresenter {
public:
    virtual ~TMsgPresenter() = default;
    // Shows the message and gives the result of the kind (1, 2/4, 6/7). Kind is 1, 2, 3 or 22.
    virtual int Present(const QString& caption, const QString& text, int kind) = 0;
};

// Kind 1, 2, 3 and 22 are handed to the presenter; any other kind shows nothing and gives 1.
int MsgBox(const QString& caption, const QString& text, int kind);

// The answer of a kind that changes nothing (OK, No or Cancel), for presenters with nobody to ask.
int UnattendedAnswer(int kind);

// Installs a presenter (not owned) and gives the previous one. nullptr restores the headless
// presenter, which writes the message to standard error and answers OK, No or Cancel.
TMsgPresenter* SetMsgPresenter(TMsgPresenter* presenter);
