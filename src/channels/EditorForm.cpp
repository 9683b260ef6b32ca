#include "channels/EditorForm.h"

#include "channels/ChannelTable.h"
#include "locale/ListGuard.h"
#include "channels/ToneBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QLabel>

TEditorDialog::~TEditorDialog()
{
    for (QObject* control : findChildren<QObject*>())
        QObject::disconnect(control, nullptr, this, nullptr);
}

void TEditorDialog::showEvent(QShowEvent* event)
{
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    TFormDialog::showEvent(event);
}

void TEditorDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter)
        return TFormDialog::keyPressEvent(event);
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
}

QComboBox* NewFixedList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = Named(new QComboBox(parent), name);
    list->addItems(items);
    list->setMaxVisibleItems(static_cast<int>(items.size()));
    list->setInsertPolicy(QComboBox::NoInsert);
    KeepStill(list);
    return list;
}

void AddFieldRows(QGridLayout* grid, std::initializer_list<std::pair<QLabel*, QWidget*>> rows)
{
    for (const auto& [label, field] : rows) {
        const int row = grid->count() == 0 ? 0 : grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    }
}

void TChannelValueControls::MakeValueControls(QWidget* parent)
{
    const TChannelTexts texts = TChannelTexts::BuiltIn();
    lQT = Named(new QLabel(QStringLiteral("QT/DQT Decode"), parent), "lQT");
    cbQT = Named(new TToneBox(parent), "cbQT");
    lDQT = Named(new QLabel(QStringLiteral("QT/DQT Encode"), parent), "lDQT");
    cbDQT = Named(new TToneBox(parent), "cbDQT");
    lkz = Named(new QLabel(QStringLiteral("Wide/Narrow"), parent), "lkz");
    cbkz = NewFixedList(parent, "cbkz", texts.Bandwidth);
    lfsgl = Named(new QLabel(QStringLiteral("TX Power"), parent), "lfsgl");
    cbfsgl = NewFixedList(parent, "cbfsgl", texts.Power);
    chsmtj = Named(new QCheckBox(QStringLiteral("Scan Add"), parent), "chsmtj");
    chpppy = Named(new QCheckBox(QStringLiteral("Beat Shift"), parent), "chpppy");
    chfm = Named(new QCheckBox(QStringLiteral("Busy Lockout"), parent), "chfm");
}

void TChannelValueControls::AddValueRows(QGridLayout* grid) const
{
    AddFieldRows(grid, {{lQT, cbQT}, {lDQT, cbDQT}, {lkz, cbkz}, {lfsgl, cbfsgl}});
}

QHBoxLayout* TChannelValueControls::FlagRow() const
{
    auto* row = new QHBoxLayout;
    for (QCheckBox* flag : {chsmtj, chpppy, chfm})
        row->addWidget(flag);
    row->addStretch();
    return row;
}

void SetTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
