#include "channels/FrequencyField.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>

TFrequencyField::TFrequencyField(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
    connect(this, &QLineEdit::editingFinished, this, &TFrequencyField::Commit);
}

void TFrequencyField::Show(const QString& text)
{
    setText(text);
    setModified(false);
}

void TFrequencyField::Commit()
{
    if (!isModified())
        return;
    setModified(false);
    emit entered(text());
}

void TFrequencyField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}
