#pragma once
// "Model Information": the user chooses a model of the catalog and one of its bands. The dialog
// changes nothing itself; after OK the caller reads the texts of cbCopmut and cbPd.

#include "locale/FormDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

class TfModel : public TFormDialog {
    Q_OBJECT
public:
    explicit TfModel(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* cbCopmut;  // model names
    QLabel* Label2;
    QComboBox* cbPd;      // band texts of the chosen model
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // Set only by OK.
    bool Confirmed = false;

    // Offers the bands of the model chosen in cbCopmut, its default band selected.
    void cbCopmutChange();

protected:
    void FormShow() override;
};
