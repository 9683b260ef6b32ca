#pragma once
// "Function Setting": the fifteen function settings of TFun. OK stores every control into TFun
// (disabled ones too) and marks the codeplug modified; Cancel keeps TFun.
//
// Lists store item indexes, whatever their texts say in the language in force. A value a list has
// no entry for (a side key of 4 from a radio, anything out of range from a file) is shown as its
// number in an entry of its own and kept by OK unless the user picks another entry. The FM list
// is never shown and takes no focus, so FM passes through unchanged.

#include "locale/FormDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

class TfBFunSet : public TFormDialog {
    Q_OBJECT
public:
    explicit TfBFunSet(QWidget* parent = nullptr);

    // Translates the dialog into the language in force (unless it is the first) and loads TFun
    // into the controls, as on show. The printout runs it on a dialog it never shows, then reads
    // the captions and control texts.
    void LoadSettings();

    QLabel* Label1;
    QComboBox* cbSQvelch;    // squelch level "0".."9", never translated
    QLabel* Label2;
    QComboBox* cbMonikey;    // side key
    QLabel* Label3;
    QComboBox* cbTxTimeout;  // "Off", "30".."300"; only "Off" is translated
    QLabel* Label5;
    QComboBox* cxScan;
    QLabel* Label4;
    QComboBox* cxWaveof;     // voice prompts
    QLabel* Label10;
    QComboBox* cbVoice;      // voice language
    QLabel* Label6;
    QComboBox* cxAlt;        // incept alarm
    QLabel* Label7;
    QComboBox* cxFM;         // hidden
    QGroupBox* GroupBox2;
    QCheckBox* chVoxFun;
    QWidget* Panel1;         // enabled exactly while chVoxFun is ticked
    QLabel* Label8;
    QSpinBox* seVoxLevel;    // VoxLevel + 1
    QCheckBox* chVoxInhibit;
    QCheckBox* cbBattSave;
    QCheckBox* cbBeepTone;
    QCheckBox* cbVolhigh;
    QCheckBox* cbVolLow;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    void FormShow() override;

private:
    void btnOkClick();
};
