#pragma once
// The item texts of list widgets, for comparing them with expected lists.

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

inline QStringList ComboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

inline QStringList ListItems(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}
