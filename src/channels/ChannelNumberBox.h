#pragma once
// A channel number: only digits can be typed, and a number outside 1..maximum is held to the
// nearer limit when it is entered, never refused or reported. Coming to it other than by a mouse
// click selects the number, so typing replaces it.

#include <QSpinBox>

class TChannelNumberBox : public QSpinBox {
    Q_OBJECT
public:
    explicit TChannelNumberBox(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    void focusInEvent(QFocusEvent* event) override;
};
