#pragma once
// The pieces both channel editors build their forms from: named controls, fixed lists kept still,
// rows of a caption and its field, the row of the three flags, and the tab order.

#include "locale/FormDialog.h"

#include <QStringList>
#include <QWidget>
#include <initializer_list>
#include <utility>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class TToneBox;

template <class Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A fixed drop-down list; only the open list chooses.
QComboBox* NewFixedList(QWidget* parent, const char* name, const QStringList& items);

// A dialog of the editors. Enter enters what was typed into a field and presses no button: a field
// is left with Enter to take its value, which must not also fill or close. A button with the focus
// is pressed by Enter as by Space.
class TEditorDialog : public TFormDialog {
    Q_OBJECT
public:
    using TFormDialog::TFormDialog;
    // The controls go after the dialog's own parts; what they signal while they go (a list
    // emptied, a field leaving the focus) must not reach a dialog that is no longer whole.
    ~TEditorDialog() override;

protected:
    // Makes the buttons no dialog default.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The controls both editors show for a channel's tones, bandwidth, power and flags, named as the
// language files know them.
struct TChannelValueControls {
    QLabel* lQT = nullptr;
    TToneBox* cbQT = nullptr;
    QLabel* lDQT = nullptr;
    TToneBox* cbDQT = nullptr;
    QLabel* lkz = nullptr;
    QComboBox* cbkz = nullptr;
    QLabel* lfsgl = nullptr;
    QComboBox* cbfsgl = nullptr;
    QCheckBox* chsmtj = nullptr;
    QCheckBox* chpppy = nullptr;
    QCheckBox* chfm = nullptr;

    // Makes them in the parent, with the built-in texts.
    void MakeValueControls(QWidget* parent);
    // The tones, bandwidth and power as rows of the grid.
    void AddValueRows(QGridLayout* grid) const;
    // The three flags side by side.
    QHBoxLayout* FlagRow() const;
};

// Adds each caption with its field as a row of the grid, from its first free row.
void AddFieldRows(QGridLayout* grid, std::initializer_list<std::pair<QLabel*, QWidget*>> rows);

// Tab visits the controls in this order.
void SetTabOrder(std::initializer_list<QWidget*> controls);
