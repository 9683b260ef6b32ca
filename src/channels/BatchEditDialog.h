#pragma once
// "Batch Channel Edit": fills a run of channels, or all of them, from start frequencies and a
// step, every channel with the same tones, lists and flags. Nothing is written before OK; OK may
// be pressed again and again, each time filling anew from what the dialog shows.

#include "channels/BatchFill.h"
#include "channels/EditorForm.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TChannelTable;
class TFrequencyField;

class TfBBatchEdit : public TEditorDialog, public TChannelValueControls {
    Q_OBJECT
public:
    explicit TfBBatchEdit(TChannelTable& table, QWidget* parent = nullptr);

    QLabel* lReceive;
    TFrequencyField* eReceive;  // start frequencies, snapped as they are entered
    QLabel* lSend;
    TFrequencyField* eSend;
    QLabel* lStep;
    QComboBox* cbStep;          // kHz, never translated
    QRadioButton* rall;
    QRadioButton* rOne;
    QFrame* pPd;                // the range: usable only with "&Channel"
    QLabel* lFrom;
    QSpinBox* seFrom;
    QLabel* lTo;
    QSpinBox* seTo;
    QRadioButton* rasc;
    QRadioButton* rdesc;
    QPushButton* btnOk;
    QPushButton* btnCancel;

    // What OK fills from, as the dialog shows it now.
    TBatchInput Input() const;
    // Enters what is still being typed, then validates and fills.
    void btnOkClick();

protected:
    void FormShow() override;

private:
    TChannelTable& m_table;
};
