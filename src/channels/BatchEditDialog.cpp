#include "channels/BatchEditDialog.h"

#include "channels/ChannelEditor.h"
#include "channels/ChannelNumberBox.h"
#include "channels/ChannelTable.h"
#include "channels/FrequencyField.h"
#include "channels/Frequency.h"
#include "channels/StillInputs.h"
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

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* fixedList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = named(new QComboBox(parent), name);
    list->addItems(items);
    KeepStill(list);
    return list;
}

QSpinBox* channelSpin(QWidget* parent, const char* name)
{
    auto* spin = named(new TChannelNumberBox(parent), name);
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

TfBBatchEdit::TfBBatchEdit(TChannelTable& table, QWidget* parent) : TFormDialog(parent), m_table(table)
{
    setObjectName(QStringLiteral("fBBatchEdit"));
    setWindowTitle(QStringLiteral("Batch Channel Edit"));
    const TChannelTexts texts = TChannelTexts::BuiltIn();

    lReceive = named(new QLabel(QStringLiteral("Incept RX Frequency(MHz)"), this), "lReceive");
    eReceive = named(new TFrequencyField(this), "eReceive");
    lSend = named(new QLabel(QStringLiteral("Incept TX Frequency(MHz)"), this), "lSend");
    eSend = named(new TFrequencyField(this), "eSend");
    lStep = named(new QLabel(QStringLiteral("Frequency Step(KHz)"), this), "lStep");
    cbStep = fixedList(this, "cbStep", BatchSteps());
    SetComponentTag(cbStep, TagKeepItems);
    lQT = named(new QLabel(QStringLiteral("QT/DQT Decode"), this), "lQT");
    cbQT = named(new TToneBox(this), "cbQT");
    lDQT = named(new QLabel(QStringLiteral("QT/DQT Encode"), this), "lDQT");
    cbDQT = named(new TToneBox(this), "cbDQT");
    lkz = named(new QLabel(QStringLiteral("Wide/Narrow"), this), "lkz");
    cbkz = fixedList(this, "cbkz", texts.Bandwidth);
    lfsgl = named(new QLabel(QStringLiteral("TX Power"), this), "lfsgl");
    cbfsgl = fixedList(this, "cbfsgl", texts.Power);
    chsmtj = named(new QCheckBox(QStringLiteral("Scan Add"), this), "chsmtj");
    chpppy = named(new QCheckBox(QStringLiteral("Beat Shift"), this), "chpppy");
    chfm = named(new QCheckBox(QStringLiteral("Busy Lockout"), this), "chfm");

    auto* range = new QFrame(this);
    range->setFrameShape(QFrame::StyledPanel);
    rall = named(new QRadioButton(QStringLiteral("&All Channel"), range), "rall");
    rOne = named(new QRadioButton(QStringLiteral("&Channel"), range), "rOne");
    pPd = named(new QFrame(range), "pPd");
    lFrom = named(new QLabel(QStringLiteral("&From"), pPd), "lFrom");
    seFrom = channelSpin(pPd, "seFrom");
    lTo = named(new QLabel(QStringLiteral("&To"), pPd), "lTo");
    seTo = channelSpin(pPd, "seTo");
    lFrom->setBuddy(seFrom);
    lTo->setBuddy(seTo);
    auto* order = new QFrame(this);
    order->setFrameShape(QFrame::StyledPanel);
    rasc = named(new QRadioButton(QStringLiteral("ASC"), order), "rasc");
    rdesc = named(new QRadioButton(QStringLiteral("DESC"), order), "rdesc");
    btnOk = named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
    btnCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel");

    eReceive->Show(FrequencyText(0.0));
    eSend->Show(FrequencyText(0.0));
    cbfsgl->setCurrentIndex(1);  // "High"
    rall->setChecked(true);
    rasc->setChecked(true);
    pPd->setEnabled(false);

    auto* fields = new QGridLayout;
    const std::pair<QLabel*, QWidget*> rows[] = {
        {lReceive, eReceive}, {lSend, eSend}, {lStep, cbStep}, {lQT, cbQT},
        {lDQT, cbDQT},        {lkz, cbkz},    {lfsgl, cbfsgl},
    };
    int row = 0;
    for (const auto& [label, field] : rows) {
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row++, 1);
    }
    fields->setColumnMinimumWidth(1, 120);
    auto* flags = new QHBoxLayout;
    for (QCheckBox* flag : {chsmtj, chpppy, chfm})
        flags->addWidget(flag);
    flags->addStretch();

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
    // Enter in a field enters its value; only the button fills.
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto* body = new QVBoxLayout(this);
    body->addLayout(fields);
    body->addLayout(flags);
    body->addLayout(choices);
    body->addLayout(buttons);

    QWidget* tabs[] = {eReceive, eSend, cbStep, cbQT, cbDQT, cbkz, cbfsgl, chsmtj, chpppy, chfm,
                       rall, rOne, seFrom, seTo, rasc, rdesc, btnOk, btnCancel};
    for (size_t i = 1; i < std::size(tabs); ++i)
        setTabOrder(tabs[i - 1], tabs[i]);

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
