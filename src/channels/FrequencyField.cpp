#include "channels/FrequencyField.h"

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
