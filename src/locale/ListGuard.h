#pragma once
// Lists never change a value behind the user's back: a closed list changes only when the user
// opens it and picks an entry. The wheel over a closed list, and the keys that would step through
// its entries or pick one by its first letter, leave it as it is. The channel grid's in-place
// lists and the lists of the dialogs share these rules.

#include <QObject>

class QEvent;
class QKeyEvent;
class QWidget;

// Keys that move on through the window rather than through a closed list's entries: up, down,
// page up, page down, Tab and Backtab; left, right, Home and End too unless text is being typed.
bool IsListMoveKey(const QKeyEvent& key, bool typing);

// A printable key other than Space (which opens a list): over a closed fixed list it would pick
// an entry by its first letter.
bool PicksEntryByLetter(const QKeyEvent& key);

// A wheel event that would change a value the user is not working on: over a closed list, or over
// a spin box that does not have the focus.
bool IsStrayWheel(const QWidget& widget, const QEvent& event);

// The rules on every list and spin box of a dialog. On a closed list the move keys move the focus
// to the previous (up, left, page up, Home) or next control instead of stepping its value; Space,
// F4 and Alt+Down open it, and only a pick from the open list changes it.
class TDialogListGuard : public QObject {
public:
    // Guards the dialog's lists and spin boxes as they are now.
    explicit TDialogListGuard(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
