#include "channels/BatchEditDialog.h"

#include "channels/ChannelEditor.h"
#include "channels/ChannelNumberBox.h"
#include "channels/ChannelTable.h"
#include "channels/EditorForm.h"
#include "channels/FrequencyField.h"
#include "channels/Frequency.h"
#include "locale/ListGuard.h"
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
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* channelSpin(QWidget* parent, const char* name)
{
    auto* spin = Named(new TChannelNumberBox(parent), name);
    KeepStill(spin);
    return spin;
}

// The start frequency goes onto the raster as soon as it is entered; one that is not a number
// stays as typed, and OK reports it.
void SnapEntered(TFrequencyField* field, const QString& text)
{
    if (const std::optional<double> mhz = ReadFrequency(text))
        field->Show(FrequencyText(SnapFrequency(*mhz)));
}

} // namespace

TfBBatchEdit::TfBBatchEdit(TChannelTable& table, QWidget* parent) : TEditorDialog(parent), m_table(table)
{
    setObjectName(QStringLiteral("fBBatchEdit"));
    setWindowTitle(QStringLiteral("Batch Channel Edit"));

    lReceive = Named(new QLabel(QStringLiteral("Incept RX Frequency(MHz)"), this), "lReceive");
    eReceive = Named(new TFrequencyField(this), "eReceive");
    lSend = Named(new QLabel(QStringLiteral("Incept TX Frequency(MHz)"), this), "lSend");
    eSend = Named(new TFrequencyField(this), "eSend");
    lStep = Named(new QLabel(QStringLiteral("Frequency Step(KHz)"), this), "lStep");
    cbStep = NewFixedList(this, "cbStep", BatchSteps());
    SetComponentTag(cbStep, TagKeepItems);
    MakeValueControls(this);

    auto* range = new QFrame(this);
    range->setFrameShape(QFrame::StyledPanel);
    rall = Named(new QRadioButton(QStringLiteral("&All Channel"), range), "rall");
    rOne = Named(new QRadioButton(QStringLiteral("&Channel"), range), "rOne");
    pPd = Named(new QFrame(range), "pPd");
    lFrom = Named(new QLabel(QStringLiteral("&From"), pPd), "lFrom");
    seFrom = channelSpin(pPd, "seFrom");
    lTo = Named(new QLabel(QStringLiteral("&To"), pPd), "lTo");
    seTo = channelSpin(pPd, "seTo");
    lFrom->setBuddy(seFrom);
    lTo->setBuddy(seTo);
    auto* order = new QFrame(this);
    order->setFrameShape(QFrame::StyledPanel);
    rasc = Named(new QRadioButton(QStringLiteral("ASC"), order), "rasc");
    rdesc = Named(new QRadioButton(QStringLiteral("DESC"), order), "rdesc");
    btnOk = Named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
    btnCancel = Named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel");

    eReceive->Show(FrequencyText(0.0));
    eSend->Show(FrequencyText(0.0));
    cbfsgl->setCurrentIndex(1);  // "High"
    rall->setChecked(true);
    rasc->setChecked(true);
    pPd->setEnabled(false);

    auto* fields = new QGridLayout;
    AddFieldRows(fields, {{lReceive, eReceive}, {lSend, eSend}, {lStep, cbStep}});
    AddValueRows(fields);
    fields->setColumnMinimumWidth(1, 120);

    auto* fromTo = new QHBoxLayout(pPd);
    fromTo->setContentsMargins(0, 0, 0, 0);
    fromTo->addWidget(lFrom);
    fromTo->addWidget(seFrom);
    fromTo->addWidget(lTo);
    fromTo->addWidget(seTo);
    auto* rangeLayout = new QGridLayout(range);
    rangeLayout->addWidget(rall, 0, 0);
    rangeLayout->addWidget(rOne, 1, 0);
    rangeLayout->addWidget(pPd, 1, 1);
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(rasc);
    orderLayout->addWidget(rdesc);
    auto* choices = new QHBoxLayout;
    choices->addWidget(range, 1);
    choices->addWidget(order);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto* body = new QVBoxLayout(this);
    body->addLayout(fields);
    body->addLayout(FlagRow());
    body->addLayout(choices);
    body->addLayout(buttons);

    SetTabOrder({eReceive, eSend, cbStep, cbQT, cbDQT, cbkz, cbfsgl, chsmtj, chpppy, chfm, rall, rOne, seFrom,
                 seTo, rasc, rdesc, btnOk, btnCancel});

    connect(eReceive, &TFrequencyField::entered, this, [this](const QString& text) { SnapEntered(eReceive, text); });
    connect(eSend, &TFrequencyField::entered, this, [this](const QString& text) { SnapEntered(eSend, text); });
    for (TToneBox* box : {cbQT, cbDQT})
        connect(box, &TToneBox::toneEntered, box, &TToneBox::TakeTone);
    connect(rOne, &QRadioButton::toggled, pPd, &QWidget::setEnabled);
    connect(btnOk, &QPushButton::clicked, this, &TfBBatchEdit::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfBBatchEdit::FormShow()
{
    TranslateWhenNotFirstLanguage(this, true);
    const int count = std::max(1, theAll().ChannelCount);
    seFrom->setMaximum(count);
    seTo->setMaximum(count);
}

TBatchInput TfBBatchEdit::Input() const
{
    TBatchInput input;
    input.Rx = eReceive->text();
    input.Tx = eSend->text();
    input.Step = cbStep->currentText();
    input.Descending = rdesc->isChecked();
    input.AllChannels = rall->isChecked();
    input.From = seFrom->value();
    input.To = seTo->value();
    TChannel& values = input.Values;
    values.Decode = cbQT->Tone();
    values.Encode = cbDQT->Tone();
    values.Power = cbfsgl->currentIndex();
    values.Bandwidth = cbkz->currentIndex();
    values.ScanAdd = FlagItem(chsmtj->isChecked());
    values.BeatShift = FlagItem(chpppy->isChecked());
    values.BusyLockout = FlagItem(chfm->isChecked());
    return input;
}

void TfBBatchEdit::btnOkClick()
{
    for (TFrequencyField* field : {eReceive, eSend})
        field->Commit();
    for (TToneBox* box : {cbQT, cbDQT})
        box->Commit();
    const TBatchInput input = Input();
    if (ValidateBatch(theAll(), input))
        FillChannels(m_table, theAll(), input);
}
