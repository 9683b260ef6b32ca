#include "locale/FormDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFormDialog::TFormDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
}

void TFormDialog::showEvent(QShowEvent* event)
{
    // A spontaneous show is the window system restoring the dialog, not a new showing.
    if (!event->spontaneous()) {
        FormShow();
        if (layout()) {
            layout()->setSizeConstraint(QLayout::SetFixedSize);
            layout()->activate();
        }
    }
    QDialog::showEvent(event);  // centres the dialog on its parent
}

void TFormDialog::layOutChoice(const std::vector<std::pair<QLabel*, QWidget*>>& rows, QPushButton* ok,
                               QPushButton* cancel)
{
    auto* choice = new QFormLayout;
    for (const auto& [caption, field] : rows)
        choice->addRow(caption, field);
    auto* body = new QVBoxLayout(this);
    body->addLayout(choice);
    body->addWidget(okCancelButtons(ok, cancel));
}

QDialogButtonBox* TFormDialog::okCancelButtons(QPushButton* ok, QPushButton* cancel)
{
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}
