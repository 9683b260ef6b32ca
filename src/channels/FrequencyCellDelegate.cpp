#include "channels/FrequencyCellDelegate.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

TFrequencyCellDelegate::TFrequencyCellDelegate(const QRegularExpression& allowed, QObject* parent)
    : QStyledItemDelegate(parent), m_allowed(allowed)
{
}

QWidget* TFrequencyCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setValidator(new QRegularExpressionValidator(m_allowed, editor));
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return editor;
}

void TFrequencyCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* field = static_cast<QLineEdit*>(editor);
    field->setText(index.data(Qt::EditRole).toString());
    field->selectAll();
}
