#include "channels/ToneBox.h"

#include "channels/ChannelTable.h"
#include "locale/ListGuard.h"
#include "channels/ToneOptionDialog.h"
#include "channels/Tones.h"
#include "locale/TranslateForm.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isToneCharacter(const QString& text)
{
    static const QString allowed = QStringLiteral("0123456789.DINdin");
    return text.size() == 1 && allowed.contains(text[0]);
}

} // namespace

TToneBox::TToneBox(QWidget* parent) : QComboBox(parent)
{
    addItems(ToneList());
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    SetComponentTag(this, TagFirstItemOnly);  // a language translates the None text only
    KeepStill(this);
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &TToneBox::Commit);
    connect(this, &QComboBox::activated, this, &TToneBox::toneEntered);
}

void TToneBox::ShowTone(const QString& tone)
{
    setEditText(tone.isEmpty() ? NoneText() : tone);
}

QString TToneBox::Tone() const
{
    const QString shown = ToneBoxText(currentText(), NoneText());
    return shown == NoneText() ? QString() : shown;
}

QString TToneBox::TakeTone()
{
    const QString tone = Tone();
    ShowTone(tone);
    return tone;
}

void TToneBox::Commit()
{
    if (!lineEdit()->isModified())
        return;
    lineEdit()->setModified(false);
    emit toneEntered();
}

void TToneBox::pickTone()
{
    TfToneOption picker(this);
    picker.exec();
    if (picker.SelectedTone.isEmpty())
        return;
    setEditText(picker.SelectedTone);
    emit toneEntered();
}

bool TToneBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        pickTone();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enters the text, typed or not; it chooses no item and presses no button.
            lineEdit()->setModified(false);
            emit toneEntered();
            return true;
        }
        const QString text = key->text();
        const bool printable = !text.isEmpty() && text[0].isPrint();
        if (printable && !isToneCharacter(text))
            return true;
    }
    return QComboBox::eventFilter(watched, event);
}
