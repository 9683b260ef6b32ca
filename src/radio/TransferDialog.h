#pragma once
// What the read and the write dialog share: a progress bar across the dialog, OK and Cancel, and
// the wiring to the transfer's link. Showing the dialog opens the port, OK starts an attempt,
// Cancel or closing the window closes the port; the progress bar and the OK button follow the
// link, and the link may close the dialog itself.

#include "locale/FormDialog.h"

class QProgressBar;
class QPushButton;
class TRadioLink;

class TTransferDialog : public TFormDialog {
    Q_OBJECT
public:
    QProgressBar* pBar;
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // Every way the dialog closes ends the transfer first: its worker has stopped and the port
    // is closed when this returns.
    void done(int result) override;

protected:
    TTransferDialog(QWidget* parent, const QString& name, const QString& caption);
    // Called once by the derived dialog's constructor, with the link of the transfer it owns.
    // The transfer must be a member of the derived dialog, so that it (and its worker) is gone
    // before the widgets it updates.
    void AttachLink(TRadioLink& link);

    void FormShow() override;

private:
    TRadioLink* m_link = nullptr;
};
