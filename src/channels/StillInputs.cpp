#include "channels/StillInputs.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

namespace {

class TStillFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel)
            return !isOpenList(watched);
        if (event->type() == QEvent::KeyPress) {
            auto* list = qobject_cast<QComboBox*>(watched);
            return list && !isOpenList(list) && isStrayKey(*list, *static_cast<QKeyEvent*>(event));
        }
        return false;
    }

private:
    static bool isOpenList(QObject* watched)
    {
        auto* list = qobject_cast<QComboBox*>(watched);
        return list && list->view()->isVisible();
    }

    static bool isStrayKey(const QComboBox& list, const QKeyEvent& key)
    {
        if (key.modifiers() & Qt::AltModifier)
            return false;  // Alt+Down opens the list
        switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        case Qt::Key_Home:
        case Qt::Key_End:
            return !list.isEditable();  // an editable list moves its text cursor
        case Qt::Key_Space:
            return false;  // opens a fixed list
        default:
            // A fixed list would pick an item by its first letter.
            return !list.isEditable() && !key.text().isEmpty() && key.text()[0].isPrint();
        }
    }
};

} // namespace

void KeepStill(QComboBox* list)
{
    list->installEventFilter(new TStillFilter(list));
}

void KeepStill(QAbstractSpinBox* spin)
{
    spin->installEventFilter(new TStillFilter(spin));
}
