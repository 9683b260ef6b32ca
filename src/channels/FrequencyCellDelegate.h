#pragma once
// Edits a frequency cell of a grid in place: a right-aligned field that takes only the
// characters the pattern allows, opened with the cell's whole text selected. The channel grid
// and the test frequency table edit their frequencies this way.

#include <QRegularExpression>
#include <QStyledItemDelegate>

class TFrequencyCellDelegate : public QStyledItemDelegate {
public:
    TFrequencyCellDelegate(const QRegularExpression& allowed, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    QRegularExpression m_allowed;
};
