#pragma once
// "Channel Edit": a form over one channel of the channel table. Every change is written into the
// channel's row at once, so there is nothing to confirm: the only button is Close, and closing
// enters what is still being typed.

#include "channels/ChannelEditor.h"
#include "channels/EditorForm.h"

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class TChannelTable;
class TFrequencyField;
class TToneBox;

class TfBInfoEdit : public TEditorDialog, public TChannelValueControls {
    Q_OBJECT
public:
    explicit TfBInfoEdit(TChannelTable& table, QWidget* parent = nullptr);

    // The channel to open with.
    int StartChannel = 1;

    QLabel* lChannel;
    QSpinBox* sexd;            // the channel shown
    QLabel* lReceive;
    TFrequencyField* eReceive;
    QFrame* pMain;             // everything below RX: usable only while the channel has an RX
    QLabel* lSend;
    TFrequencyField* eSend;
    QPushButton* btnClose;

    void done(int result) override;

protected:
    void FormShow() override;

private:
    // The controls show the editor's form; their change handlers do nothing meanwhile.
    void LoadChannel();
    void eReceiveEntered(const QString& text);
    void eSendEntered(const QString& text);
    void toneEntered(TToneBox* box, int column);
    void itemChosen(int column, int item);

    TChannelEditor m_editor;
    bool Loading = false;
};
