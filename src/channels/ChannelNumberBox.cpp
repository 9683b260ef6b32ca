#include "channels/ChannelNumberBox.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <algorithm>

TChannelNumberBox::TChannelNumberBox(QWidget* parent) : QSpinBox(parent)
{
    setMinimum(1);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State TChannelNumberBox::validate(QString& text, int& pos) const
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return text.isEmpty() ? QValidator::Intermediate : QValidator::Invalid;
    // Out of range is only a number still to be held to its limit.
    const QValidator::State inRange = QSpinBox::validate(text, pos);
    return inRange == QValidator::Acceptable ? inRange : QValidator::Intermediate;
}

void TChannelNumberBox::fixup(QString& text) const
{
    bool isNumber = false;
    const qlonglong typed = text.toLongLong(&isNumber);
    const qlonglong held = isNumber ? std::clamp<qlonglong>(typed, minimum(), maximum()) : value();
    text = QString::number(held);
}

void TChannelNumberBox::focusInEvent(QFocusEvent* event)
{
    QSpinBox::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}
