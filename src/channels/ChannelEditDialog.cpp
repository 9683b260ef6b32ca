#include "channels/ChannelEditDialog.h"

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

// The text of a frequency field: empty for no frequency.
QString FieldText(double mhz, bool present)
{
    return present ? FrequencyText(mhz) : QString();
}

} // namespace

TfBInfoEdit::TfBInfoEdit(TChannelTable& table, QWidget* parent)
    : TFormDialog(parent), m_editor(table, theAll())
{
    setObjectName(QStringLiteral("fBInfoEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));
    const TChannelTexts texts = TChannelTexts::BuiltIn();

    lChannel = named(new QLabel(QStringLiteral("Channel No."), this), "lChannel");
    sexd = named(new TChannelNumberBox(this), "sexd");
    lReceive = named(new QLabel(QStringLiteral("RX Frequency"), this), "lReceive");
    eReceive = named(new TFrequencyField(this), "eReceive");

    pMain = named(new QFrame(this), "pMain");
    pMain->setFrameShape(QFrame::StyledPanel);
    lSend = named(new QLabel(QStringLiteral("TX Frequency"), pMain), "lSend");
    eSend = named(new TFrequencyField(pMain), "eSend");
    lQT = named(new QLabel(QStringLiteral("QT/DQT Decode"), pMain), "lQT");
    cbQT = named(new TToneBox(pMain), "cbQT");
    lDQT = named(new QLabel(QStringLiteral("QT/DQT Encode"), pMain), "lDQT");
    cbDQT = named(new TToneBox(pMain), "cbDQT");
    lkz = named(new QLabel(QStringLiteral("Wide/Narrow"), pMain), "lkz");
    cbkz = fixedList(pMain, "cbkz", texts.Bandwidth);
    lfsgl = named(new QLabel(QStringLiteral("TX Power"), pMain), "lfsgl");
    cbfsgl = fixedList(pMain, "cbfsgl", texts.Power);
    chsmtj = named(new QCheckBox(QStringLiteral("Scan Add"), pMain), "chsmtj");
    chpppy = named(new QCheckBox(QStringLiteral("Beat Shift"), pMain), "chpppy");
    chfm = named(new QCheckBox(QStringLiteral("Busy Lockout"), pMain), "chfm");
    btnClose = named(new QPushButton(QStringLiteral("&Close"), this), "btnClose");
    // Enter in a field enters its value; it never closes the editor.
    btnClose->setAutoDefault(false);

    auto* top = new QGridLayout;
    top->addWidget(lChannel, 0, 0);
    top->addWidget(sexd, 0, 1);
    top->addWidget(lReceive, 1, 0);
    top->addWidget(eReceive, 1, 1);
    auto* fields = new QGridLayout;
    const std::pair<QLabel*, QWidget*> rows[] = {
        {lSend, eSend}, {lQT, cbQT}, {lDQT, cbDQT}, {lkz, cbkz}, {lfsgl, cbfsgl},
    };
    int row = 0;
    for (const auto& [label, field] : rows) {
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row++, 1);
    }
    auto* flags = new QHBoxLayout;
    for (QCheckBox* flag : {chsmtj, chpppy, chfm})
        flags->addWidget(flag);
    flags->addStretch();
    fields->addLayout(flags, row, 0, 1, 2);
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

    QWidget* order[] = {sexd, eReceive, eSend, cbQT, cbDQT, cbkz, cbfsgl, chsmtj, chpppy, chfm, btnClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

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
    TFormDialog::done(result);
}
