#pragma once
// A field for a frequency in MHz: only digits and points can be typed ("." is the decimal point
// whatever the system's settings). What was typed is entered with Enter or by leaving the field.
// Coming to the field other than by a mouse click selects its text, so typing replaces it.

#include <QLineEdit>

class TFrequencyField : public QLineEdit {
    Q_OBJECT
public:
    explicit TFrequencyField(QWidget* parent = nullptr);

    // Shows a text as not typed by the user.
    void Show(const QString& text);
    // Emits entered when the text was typed into and not yet entered.
    void Commit();

signals:
    void entered(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
