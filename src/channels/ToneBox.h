#pragma once
// The editable tone list of every tone box (the grid's tone cells and both channel editors): the
// tone list of 205 texts, the None text first. The tone rule must see exactly what was typed, so
// there is no completion; only a tone's characters can be typed; the wheel and arrow keys over the
// closed list change nothing; Enter enters the text and a double-click opens the tone picker.

#include <QComboBox>

class TToneBox : public QComboBox {
    Q_OBJECT
public:
    explicit TToneBox(QWidget* parent = nullptr);

    QString NoneText() const { return itemText(0); }
    // Shows a tone; the None text for an empty one.
    void ShowTone(const QString& tone);
    // The tone rule applied to the text in the box, without changing it: empty for none.
    QString Tone() const;
    // Applies the tone rule to the box's text and gives the tone.
    QString TakeTone();
    // Emits toneEntered when the text was typed into and not yet entered.
    void Commit();

signals:
    // The user is done with a text: Enter, leaving the box after typing, a choice from the open
    // list or a tone picked in the tone picker. The box still shows it as typed.
    void toneEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pickTone();
};
