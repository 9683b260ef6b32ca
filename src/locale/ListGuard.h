#pragma once
// Lists never change a value behind the user's back: a closed list changes only when the user
// opens it and picks an entry (an editable list also by what is typed into it). The wheel over a
// closed list, and the keys that would step through its entries or pick one by its first letter,
// leave it as it is. The channel grid's in-place lists, the editors' lists and the lists of the
// dialogs share these rules.

class QAbstractSpinBox;
class QComboBox;
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

// Puts the rules on one list. On a closed fixed list the move keys move the focus to the previous
// (up, left, page up, Home) or next control instead of stepping its value; Space, F4 and Alt+Down
// open it. On a closed editable list up, down, page up and page down do nothing; the other keys
// edit its text.
void KeepStill(QComboBox* list);
// A spin box takes the wheel only while it has the focus, which the wheel does not give it.
void KeepStill(QAbstractSpinBox* spin);
// Puts the rules on every list and spin box of a dialog as they are now.
void KeepListsStill(QWidget* dialog);
