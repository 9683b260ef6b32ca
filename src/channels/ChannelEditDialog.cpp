#include "channels/ChannelEditDialog.h"

#include "channels/ChannelNumberBox.h"
#include "channels/ChannelTable.h"
#include "channels/EditorForm.h"
#include "channels/FrequencyField.h"
#include "channels/Frequency.h"
#include "channels/ToneBox.h"
#include "codeplug/GlobalState.h"
#include "locale/TranslateForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The text of a frequency field: empty for no frequency.
QString FieldText(double mhz, bool present)
{
    return present ? FrequencyText(mhz) : QString();
}

} // namespace

TfBInfoEdit::TfBInfoEdit(TChannelTable& table, QWidget* parent)
    : TEditorDialog(parent), m_editor(table, theAll())
{
    setObjectName(QStringLiteral("fBInfoEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));

    lChannel = Named(new QLabel(QStringLiteral("Channel No."), this), "lChannel");
    sexd = Named(new TChannelNumberBox(this), "sexd");
    lReceive = Named(new QLabel(QStringLiteral("RX Frequency"), this), "lReceive");
    eReceive = Named(new TFrequencyField(this), "eReceive");

    pMain = Named(new QFrame(this), "pMain");
    pMain->setFrameShape(QFrame::StyledPanel);
    lSend = Named(new QLabel(QStringLiteral("TX Frequency"), pMain), "lSend");
    eSend = Named(new TFrequencyField(pMain), "eSend");
    MakeValueControls(pMain);
    btnClose = Named(new QPushButton(QStringLiteral("&Close"), this), "btnClose");

    auto* top = new QGridLayout;
    AddFieldRows(top, {{lChannel, sexd}, {lReceive, eReceive}});
    auto* fields = new QGridLayout;
    AddFieldRows(fields, {{lSend, eSend}});
    AddValueRows(fields);
    fields->addLayout(FlagRow(), fields->rowCount(), 0, 1, 2);
    auto* panel = new QVBoxLayout(pMain);
    panel->addLayout(fields);
    // The fields line up with RX above the panel.
    const QMargins inside = panel->contentsMargins();
    const int frame = pMain->frameWidth();
    top->setContentsMargins(inside.left() + frame, 0, inside.right() + frame, 0);
    for (QGridLayout* grid : {top, fields}) {
        grid->setColumnMinimumWidth(0, 110);
        grid->setColumnMinimumWidth(1, 120);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* body = new QVBoxLayout(this);
    body->addLayout(top);
    body->addWidget(pMain);
    body->addLayout(buttons);

    SetTabOrder({sexd, eReceive, eSend, cbQT, cbDQT, cbkz, cbfsgl, chsmtj, chpppy, chfm, btnClose});

    connect(sexd, &QSpinBox::valueChanged, this, [this](int channel) {
        if (Loading)
            return;
        m_editor.LoadChannel(channel);
        LoadChannel();
    });
    connect(eReceive, &TFrequencyField::entered, this, &TfBInfoEdit::eReceiveEntered);
    connect(eSend, &TFrequencyField::entered, this, &TfBInfoEdit::eSendEntered);
    connect(cbQT, &TToneBox::toneEntered, this, [this] { toneEntered(cbQT, ColDecode); });
    connect(cbDQT, &TToneBox::toneEntered, this, [this] { toneEntered(cbDQT, ColEncode); });
    connect(cbkz, &QComboBox::currentIndexChanged, this, [this](int item) { itemChosen(ColBandwidth, item); });
    connect(cbfsgl, &QComboBox::currentIndexChanged, this, [this](int item) { itemChosen(ColPower, item); });
    const std::pair<QCheckBox*, int> checks[] = {{chsmtj, ColScanAdd}, {chpppy, ColBeatShift}, {chfm, ColBusyLockout}};
    for (const auto& [check, column] : checks)
        connect(check, &QCheckBox::toggled, this, [this, column](bool on) { itemChosen(column, FlagItem(on)); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfBInfoEdit::FormShow()
{
    Loading = true;
    TranslateWhenNotFirstLanguage(this, true);
    Loading = false;
    sexd->setMaximum(std::max(1, theAll().ChannelCount));
    m_editor.LoadChannel(StartChannel);
    LoadChannel();
}

void TfBInfoEdit::LoadChannel()
{
    Loading = true;
    const TChannelForm& form = m_editor.Form();
    const TChannel& values = form.Values;
    sexd->setValue(m_editor.Channel());
    eReceive->Show(FieldText(values.Rx, form.HoldsChannel));
    pMain->setEnabled(form.HoldsChannel);
    eSend->Show(FieldText(values.Tx, form.HoldsChannel && values.Tx >= 0));
    cbQT->ShowTone(values.Decode);
    cbDQT->ShowTone(values.Encode);
    cbkz->setCurrentIndex(values.Bandwidth);
    cbfsgl->setCurrentIndex(values.Power);
    chsmtj->setChecked(values.ScanAdd != FlagItem(false));
    chpppy->setChecked(values.BeatShift != FlagItem(false));
    chfm->setChecked(values.BusyLockout != FlagItem(false));
    Loading = false;
}

void TfBInfoEdit::eReceiveEntered(const QString& text)
{
    if (Loading)
        return;
    m_editor.SetRx(text);
    LoadChannel();  // a text that was not a number gives way to the row's frequency again
}

void TfBInfoEdit::eSendEntered(const QString& text)
{
    if (Loading)
        return;
    const bool taken = m_editor.SetTx(text);
    LoadChannel();
    if (taken && !text.trimmed().isEmpty())
        cbQT->setFocus();
}

void TfBInfoEdit::toneEntered(TToneBox* box, int column)
{
    if (Loading)
        return;
    m_editor.SetTone(column, box->TakeTone());
    LoadChannel();
}

void TfBInfoEdit::itemChosen(int column, int item)
{
    if (Loading)
        return;
    m_editor.SetItem(column, item);
    LoadChannel();
}

void TfBInfoEdit::done(int result)
{
    // Closing keeps everything, including what is still being typed.
    for (TFrequencyField* field : {eReceive, eSend})
        field->Commit();
    for (TToneBox* box : {cbQT, cbDQT})
        box->Commit();
    TEditorDialog::done(result);
}
