#include "locale/ListGuard.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

class TStillFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        if (IsStrayWheel(*widget, *event))
            return true;
        // Only then the view: asking for it makes it, which sends the list events of its own.
        auto* list = qobject_cast<QComboBox*>(widget);
        if (!list || event->type() != QEvent::KeyPress || list->view()->isVisible())
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        return list->isEditable() ? stepsEntries(key) : keyOverFixedList(*list, key);
    }

private:
    static bool stepsEntries(const QKeyEvent& key)
    {
        return IsListMoveKey(key, true) && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab;
    }

    static bool keyOverFixedList(QComboBox& list, const QKeyEvent& key)
    {
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
            return false;  // the window moves the focus itself
        if (IsListMoveKey(key, false)) {
            const bool back = key.key() == Qt::Key_Up || key.key() == Qt::Key_Left
                              || key.key() == Qt::Key_PageUp || key.key() == Qt::Key_Home;
            // As Tab and Backtab do: the window moves the focus along its focus chain.
            QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                          back ? Qt::ShiftModifier : Qt::NoModifier);
            QCoreApplication::sendEvent(&list, &tab);
            return true;
        }
        return PicksEntryByLetter(key);
    }
};

} // namespace

bool IsListMoveKey(const QKeyEvent& key, bool typing)
{
    if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return !typing;
    default:
        return false;
    }
}

bool PicksEntryByLetter(const QKeyEvent& key)
{
    return !key.text().isEmpty() && key.text()[0].isPrint() && key.key() != Qt::Key_Space;
}

bool IsStrayWheel(const QWidget& widget, const QEvent& event)
{
    if (event.type() != QEvent::Wheel)
        return false;
    if (const auto* list = qobject_cast<const QComboBox*>(&widget))
        return !list->view()->isVisible();
    if (qobject_cast<const QAbstractSpinBox*>(&widget))
        return !widget.hasFocus();
    return false;
}

void KeepStill(QComboBox* list)
{
    list->installEventFilter(new TStillFilter(list));
}

void KeepStill(QAbstractSpinBox* spin)
{
    spin->setFocusPolicy(Qt::StrongFocus);  // the wheel gives it no focus, so IsStrayWheel holds
    spin->installEventFilter(new TStillFilter(spin));
}

void KeepListsStill(QWidget* dialog)
{
    for (QComboBox* list : dialog->findChildren<QComboBox*>())
        KeepStill(list);
    for (QAbstractSpinBox* spin : dialog->findChildren<QAbstractSpinBox*>())
        KeepStill(spin);
}
