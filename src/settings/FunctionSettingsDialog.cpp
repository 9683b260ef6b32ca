#include "settings/FunctionSettingsDialog.h"

#include "settings/FunctionSettingsTexts.h"

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

QLabel* label(const char* name, QWidget* parent)
{
    return named(new QLabel(FunctionCaption(name), parent), name);
}

QComboBox* list(const char* name, QWidget* parent)
{
    auto* combo = named(new QComboBox(parent), name);
    const TFunctionList& design = FunctionList(name);
    for (int index = 0; index < design.Items.size(); ++index) {
        combo->addItem(design.Items[index], index);
        combo->setItemData(index, true, DesignEntryRole);
    }
    if (design.Tag != 0)
        SetComponentTag(combo, design.Tag);
    combo->setMinimumWidth(110);
    return combo;
}

QCheckBox* check(const char* name, QWidget* parent)
{
    return named(new QCheckBox(FunctionCaption(name), parent), name);
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
    setObjectName(QString::fromLatin1(FunctionSettingsFormName));
    setWindowTitle(QString::fromLatin1(FunctionSettingsTitle));

    Label1 = label("Label1", this);
    cbSQvelch = list("cbSQvelch", this);
    Label2 = label("Label2", this);
    cbMonikey = list("cbMonikey", this);
    Label3 = label("Label3", this);
    cbTxTimeout = list("cbTxTimeout", this);
    Label5 = label("Label5", this);
    cxScan = list("cxScan", this);
    Label4 = label("Label4", this);
    cxWaveof = list("cxWaveof", this);
    Label10 = label("Label10", this);
    cbVoice = list("cbVoice", this);
    Label6 = label("Label6", this);
    cxAlt = list("cxAlt", this);
    // Below the visible area in the design: loaded and stored, never seen, never reached.
    Label7 = label("Label7", this);
    cxFM = list("cxFM", this);
    Label7->hide();
    cxFM->hide();
    cxFM->setFocusPolicy(Qt::NoFocus);

    GroupBox2 = named(new QGroupBox(FunctionCaption("GroupBox2"), this), "GroupBox2");
    chVoxFun = check("chVoxFun", GroupBox2);
    Panel1 = named(new QWidget(GroupBox2), "Panel1");
    Label8 = label("Label8", Panel1);
    seVoxLevel = named(new QSpinBox(Panel1), "seVoxLevel");
    seVoxLevel->setRange(VoxLevelShownMin, VoxLevelShownMax);
    chVoxInhibit = check("chVoxInhibit", Panel1);

    auto* options = new QGroupBox(this);
    cbBattSave = check("cbBattSave", options);
    cbBeepTone = check("cbBeepTone", options);
    cbVolhigh = check("cbVolhigh", options);
    cbVolLow = check("cbVolLow", options);

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

void TfBFunSet::LoadSettings()
{
    TranslateWhenNotFirstLanguage(this, true);
    const TFun& fun = theFun();
    // A check box is ticked only by 1; any other value shows unticked and is stored as 0.
    for (const TFunctionCheck& check : FunctionChecks())
        findChild<QCheckBox*>(check.Component)->setChecked(fun.*check.Member == 1);
    for (const TFunctionList& list : FunctionLists())
        showListValue(findChild<QComboBox*>(list.Component), fun.*list.Member);
    // A level beyond 1 to 5 widens the range to hold it, so it is shown and kept as it is.
    const int level = fun.VoxLevel + 1;
    seVoxLevel->setRange(std::min(VoxLevelShownMin, level), std::max(VoxLevelShownMax, level));
    seVoxLevel->setValue(level);
    Panel1->setEnabled(chVoxFun->isChecked());
}

void TfBFunSet::btnOkClick()
{
    TFun& fun = theFun();
    for (const TFunctionCheck& check : FunctionChecks())
        fun.*check.Member = findChild<QCheckBox*>(check.Component)->isChecked() ? 1 : 0;
    for (const TFunctionList& list : FunctionLists())
        fun.*list.Member = listValue(findChild<QComboBox*>(list.Component));
    fun.VoxLevel = seVoxLevel->value() - 1;
    theAll().Modified = true;
    accept();
}
