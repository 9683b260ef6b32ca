#include "settings/FunctionSettingsDialog.h"

#include "codeplug/GlobalState.h"
#include "locale/ListGuard.h"
#include "locale/TranslateForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int VoxLevelShownMin = 1;
constexpr int VoxLevelShownMax = 5;

// Marks the entries a list was built with; an entry added for a value without one has none.
constexpr int DesignEntryRole = Qt::UserRole + 1;

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(const char* name, const char* text, QWidget* parent)
{
    return named(new QLabel(QString::fromLatin1(text), parent), name);
}

QComboBox* list(const char* name, const QStringList& items, QWidget* parent)
{
    auto* combo = named(new QComboBox(parent), name);
    for (int index = 0; index < items.size(); ++index) {
        combo->addItem(items[index], index);
        combo->setItemData(index, true, DesignEntryRole);
    }
    combo->setMinimumWidth(110);
    return combo;
}

QCheckBox* check(const char* name, const char* text, QWidget* parent)
{
    return named(new QCheckBox(QString::fromLatin1(text), parent), name);
}

QStringList numbers(int first, int last, int step)
{
    QStringList texts;
    for (int n = first; n <= last; n += step)
        texts.append(QString::number(n));
    return texts;
}

// The value's entry selected; a value without one gets an entry of its own, showing its number.
void showListValue(QComboBox* combo, int value)
{
    for (int index = combo->count() - 1; index >= 0; --index)
        if (!combo->itemData(index, DesignEntryRole).toBool())
            combo->removeItem(index);
    int index = combo->findData(value);
    if (index < 0) {
        combo->addItem(QString::number(value), value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

int listValue(const QComboBox* combo)
{
    return combo->currentData().toInt();
}

} // namespace

TfBFunSet::TfBFunSet(QWidget* parent)
    : TFormDialog(parent)
{
    setObjectName(QStringLiteral("fBFunSet"));
    setWindowTitle(QStringLiteral("Function Setting"));

    Label1 = label("Label1", "Squelch level", this);
    cbSQvelch = list("cbSQvelch", numbers(0, 9, 1), this);
    SetComponentTag(cbSQvelch, TagKeepItems);
    Label2 = label("Label2", "Side Key", this);
    cbMonikey = list("cbMonikey", {"Off", "Monmome", "H/L Power", "Alarm"}, this);
    Label3 = label("Label3", "TX Time Out", this);
    cbTxTimeout = list("cbTxTimeout", QStringList{"Off"} + numbers(30, 300, 30), this);
    SetComponentTag(cbTxTimeout, TagFirstItemOnly);
    Label5 = label("Label5", "Scan", this);
    cxScan = list("cxScan", {"Off", "On"}, this);
    Label4 = label("Label4", "Voice", this);
    cxWaveof = list("cxWaveof", {"Off", "On"}, this);
    Label10 = label("Label10", "Voice Annunciation", this);
    cbVoice = list("cbVoice", {"English", "Chinese"}, this);
    Label6 = label("Label6", "Incept Alarm", this);
    cxAlt = list("cxAlt", {"Off", "On"}, this);
    // Below the visible area in the design: loaded and stored, never seen, never reached.
    Label7 = label("Label7", "FM", this);
    cxFM = list("cxFM", {"Interdict", "Turn on"}, this);
    Label7->hide();
    cxFM->hide();
    cxFM->setFocusPolicy(Qt::NoFocus);

    GroupBox2 = named(new QGroupBox(QStringLiteral("VOX"), this), "GroupBox2");
    chVoxFun = check("chVoxFun", "VOX Function", GroupBox2);
    Panel1 = named(new QWidget(GroupBox2), "Panel1");
    Label8 = label("Label8", "VOX Gain Level", Panel1);
    seVoxLevel = named(new QSpinBox(Panel1), "seVoxLevel");
    seVoxLevel->setRange(VoxLevelShownMin, VoxLevelShownMax);
    chVoxInhibit = check("chVoxInhibit", "VOX Inhibit OnReceive", Panel1);

    auto* options = new QGroupBox(this);
    cbBattSave = check("cbBattSave", "Battery Save", options);
    cbBeepTone = check("cbBeepTone", "Clew Voice", options);
    cbVolhigh = check("cbVolhigh", "High Vol Inhibit Tx", options);
    cbVolLow = check("cbVolLow", "Low Vol Inhibit Tx", options);

    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);

    auto* lists = new QFormLayout;
    for (const auto& [caption, field] : {std::pair{Label1, cbSQvelch}, {Label2, cbMonikey}, {Label3, cbTxTimeout},
                                         {Label5, cxScan}, {Label4, cxWaveof}, {Label10, cbVoice}, {Label6, cxAlt}})
        lists->addRow(caption, field);

    auto* gain = new QHBoxLayout;
    gain->setContentsMargins(0, 0, 0, 0);
    gain->addWidget(Label8);
    gain->addWidget(seVoxLevel);
    gain->addStretch();
    auto* panel = new QVBoxLayout(Panel1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(gain);
    panel->addWidget(chVoxInhibit);
    auto* vox = new QVBoxLayout(GroupBox2);
    vox->addWidget(chVoxFun);
    vox->addWidget(Panel1);

    auto* checks = new QVBoxLayout(options);
    for (QCheckBox* box : {cbBattSave, cbBeepTone, cbVolhigh, cbVolLow})
        checks->addWidget(box);

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox2);
    right->addWidget(options);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(lists);
    columns->addSpacing(12);
    columns->addLayout(right);
    auto* body = new QVBoxLayout(this);
    body->addLayout(columns);
    body->addWidget(okCancelButtons(btnOk, btnCancel));

    // The focus runs down the left column, then through the right one.
    QWidget* order[] = {cbSQvelch, cbMonikey, cbTxTimeout, cxScan, cxWaveof, cbVoice, cxAlt, chVoxFun,
                        seVoxLevel, chVoxInhibit, cbBattSave, cbBeepTone, cbVolhigh, cbVolLow, btnOk, btnCancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    KeepListsStill(this);
    connect(chVoxFun, &QCheckBox::toggled, Panel1, &QWidget::setEnabled);
    connect(btnOk, &QPushButton::clicked, this, &TfBFunSet::btnOkClick);
}

void TfBFunSet::FormShow()
{
    LoadSettings();
}

std::array<std::pair<QCheckBox*, int TFun::*>, 6> TfBFunSet::checkMembers() const
{
    return {{{cbBattSave, &TFun::BattSave}, {cbBeepTone, &TFun::BeepTone}, {cbVolhigh, &TFun::VolHighInhibit},
             {cbVolLow, &TFun::VolLowInhibit}, {chVoxFun, &TFun::VoxFun}, {chVoxInhibit, &TFun::VoxInhibit}}};
}

std::array<std::pair<QComboBox*, int TFun::*>, 8> TfBFunSet::listMembers() const
{
    return {{{cbSQvelch, &TFun::Squelch}, {cbTxTimeout, &TFun::TxTimeout}, {cbVoice, &TFun::VoiceLang},
             {cxWaveof, &TFun::Voice}, {cxScan, &TFun::Scan}, {cbMonikey, &TFun::SideKey},
             {cxAlt, &TFun::InceptAlarm}, {cxFM, &TFun::FM}}};
}

void TfBFunSet::LoadSettings()
{
    TranslateWhenNotFirstLanguage(this, true);
    const TFun& fun = theFun();
    // A check box is ticked only by 1; any other value shows unticked and is stored as 0.
    for (const auto& [box, member] : checkMembers())
        box->setChecked(fun.*member == 1);
    for (const auto& [combo, member] : listMembers())
        showListValue(combo, fun.*member);
    // A level beyond 1 to 5 widens the range to hold it, so it is shown and kept as it is.
    const int level = fun.VoxLevel + 1;
    seVoxLevel->setRange(std::min(VoxLevelShownMin, level), std::max(VoxLevelShownMax, level));
    seVoxLevel->setValue(level);
    Panel1->setEnabled(chVoxFun->isChecked());
}

void TfBFunSet::btnOkClick()
{
    TFun& fun = theFun();
    for (const auto& [box, member] : checkMembers())
        fun.*member = box->isChecked() ? 1 : 0;
    for (const auto& [combo, member] : listMembers())
        fun.*member = listValue(combo);
    fun.VoxLevel = seVoxLevel->value() - 1;
    theAll().Modified = true;
    accept();
}
