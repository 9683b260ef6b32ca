#include "locale/FormDialog.h"

#include <QLayout>
#include <QShowEvent>

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
