#pragma once
// Applies a language file to a dialog (or the main window): its title and the texts of its
// components, looked up in the section named after the dialog's objectName().
//
// How widgets are seen:
// - A component's name is its objectName(); unnamed objects are left alone.
// - The Tag is the integer dynamic property "Tag" (TagProperty); a missing Tag counts as 0.
//   Translation only reads it. On lists and grids -2 leaves the items (titles) as they are; on
//   combo boxes -3 translates only item 0.
// - Kinds, first match wins:
//     QLabel                           label: text, key <name>.Caption, always
//     QMenu                            menu item: title, <name>.Caption, always
//     QAction marked as tool button    tool button: text, then tool tip (<name>.Hint)
//     other QAction                    menu item: text only, never the tool tip
//     QPushButton                      button: text, <name>.Caption, always
//     QToolButton                      tool button: text, then tool tip
//     QTableView                       grid: title of model column c is key <name>.<c + 1>
//                                      (column 1 is the first visible column), unless Tag -2
//     QComboBox                        combo box: items <name>.<i>, only when lists are
//                                      translated and Tag is not -2; the selection is kept
//     QCheckBox, QRadioButton,
//     QGroupBox                        caption / title, <name>.Caption, always
//     QTabWidget                       each named page: its tab text, <page name>.Caption
//     QListWidget                      list box: items <name>.<i>, unless Tag -2 (also when
//                                      lists are not translated; -3 means nothing here)
//   Anything else is left alone, so static texts belong in read-only edits, not in labels
//   whose name the language files use.
// - A QAction or QToolButton is marked as tool button by the boolean dynamic property
//   "ToolButton" (ToolButtonProperty) set true; a QToolButton counts as one anyway.
// - Grid titles go through QAbstractItemModel::headerData/setHeaderData (horizontal, EditRole).
//   A QTableWidget needs header items for this (setHorizontalHeaderLabels); a model of our own
//   takes new titles by overriding setHeaderData.

#include "locale/FormTexts.h"

#include <QString>

class QObject;
class QWidget;

inline constexpr char TagProperty[] = "Tag";
inline constexpr char ToolButtonProperty[] = "ToolButton";

// The component's Tag; 0 when it has none.
int ComponentTag(const QObject* component);
void SetComponentTag(QObject* component, int tag);

// Applies <AppPath><languageName>.Ini to the form. translateLists false leaves combo boxes
// alone. Always gives true.
bool TranslateForm(QWidget* form, const QString& languageName, bool translateLists);

// The rule of most dialogs on show: translate into the language in force only when it is not
// the first of the language list (the dialogs are designed in the first).
void TranslateWhenNotFirstLanguage(QWidget* form, bool translateLists);
