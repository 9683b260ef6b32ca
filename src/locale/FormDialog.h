#pragma once
// A modal dialog that is filled and translated each time it is shown (its FormShow), then sized to
// its texts, fixed at that size and centred on its parent.

#include <QDialog>
#include <utility>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QPushButton;

class TFormDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFormDialog(QWidget* parent);

protected:
    // Runs before the dialog is sized and placed, so texts of any length fit.
    virtual void FormShow() = 0;
    void showEvent(QShowEvent* event) override;

    // The body of the small dialogs: rows of a caption and its field above the buttons btnOk
    // (the default) and btnCancel (closes the dialog, nothing stored).
    void layOutChoice(const std::vector<std::pair<QLabel*, QWidget*>>& rows, QPushButton* ok, QPushButton* cancel);
    // The buttons btnOk (the default) and btnCancel (closes the dialog, nothing stored) in a row
    // at the right.
    QDialogButtonBox* okCancelButtons(QPushButton* ok, QPushButton* cancel);
};
