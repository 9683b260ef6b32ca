#include "locale/TranslateForm.h"

#include "codeplug/GlobalState.h"
#include "locale/FileLocations.h"
#include "locale/FormTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>


namespace {

bool isMarkedToolButton(const QObject* component)
{
    return component->property(ToolButtonProperty).toBool();
}

template <typename Captioned>
void translateText(const TFormTexts& texts, Captioned* component)
{
    component->setText(texts.Caption(component->objectName(), component->text()));
}

template <typename Hinted>
void translateTextAndHint(const TFormTexts& texts, Hinted* component)
{
    translateText(texts, component);
    component->setToolTip(texts.Hint(component->objectName(), component->toolTip()));
}

void translateGrid(const TFormTexts& texts, QTableView* grid)
{
    if (ComponentTag(grid) == TagKeepItems || !grid->model())
        return;
    QAbstractItemModel* model = grid->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString current = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const QString title = texts.Item(grid->objectName(), column + 1, current);
        if (title != current)
            model->setHeaderData(column, Qt::Horizontal, title, Qt::EditRole);
    }
}

void translateComboBox(const TFormTexts& texts, QComboBox* combo)
{
    const int count = TranslatedItemCount(ComponentTag(combo), combo->count());
    if (count == 0)
        return;
    const int selected = combo->currentIndex();
    for (int i = 0; i < count; ++i)
        combo->setItemText(i, texts.Item(combo->objectName(), i, combo->itemText(i)));
    combo->setCurrentIndex(selected);
}

void translateListBox(const TFormTexts& texts, QListWidget* list)
{
    if (ComponentTag(list) == TagKeepItems)
        return;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        item->setText(texts.Item(list->objectName(), i, item->text()));
    }
}

void translateTabPages(const TFormTexts& texts, QTabWidget* tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        const QString page = tabs->widget(i)->objectName();
        if (!page.isEmpty())
            tabs->setTabText(i, texts.Caption(page, tabs->tabText(i)));
    }
}

void translateComponent(const TFormTexts& texts, QObject* component, bool translateLists)
{
    if (auto* label = qobject_cast<QLabel*>(component)) {
        translateText(texts, label);
    } else if (auto* menu = qobject_cast<QMenu*>(component)) {
        menu->setTitle(texts.Caption(menu->objectName(), menu->title()));
    } else if (auto* action = qobject_cast<QAction*>(component)) {
        if (isMarkedToolButton(action))
            translateTextAndHint(texts, action);
        else
            translateText(texts, action);
    } else if (auto* button = qobject_cast<QPushButton*>(component)) {
        translateText(texts, button);
    } else if (auto* toolButton = qobject_cast<QToolButton*>(component)) {
        translateTextAndHint(texts, toolButton);
    } else if (auto* grid = qobject_cast<QTableView*>(component)) {
        translateGrid(texts, grid);
    } else if (auto* combo = qobject_cast<QComboBox*>(component)) {
        if (translateLists)
            translateComboBox(texts, combo);
    } else if (auto* check = qobject_cast<QCheckBox*>(component)) {
        translateText(texts, check);
    } else if (auto* radio = qobject_cast<QRadioButton*>(component)) {
        translateText(texts, radio);
    } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
        group->setTitle(texts.Caption(group->objectName(), group->title()));
    } else if (auto* tabs = qobject_cast<QTabWidget*>(component)) {
        translateTabPages(texts, tabs);
    } else if (auto* list = qobject_cast<QListWidget*>(component)) {
        translateListBox(texts, list);
    }
}

} // namespace

int ComponentTag(const QObject* component)
{
    return component->property(TagProperty).toInt();
}

void SetComponentTag(QObject* component, int tag)
{
    component->setProperty(TagProperty, tag);
}

bool TranslateForm(QWidget* form, const QString& languageName, bool translateLists)
{
    const TFormTexts texts(LanguageFolder(theAll(), languageName), languageName, form->objectName());
    form->setWindowTitle(texts.Caption(form->objectName(), form->windowTitle()));
    for (QObject* component : form->findChildren<QObject*>()) {
        if (!component->objectName().isEmpty())
            translateComponent(texts, component, translateLists);
    }
    return true;
}

void TranslateWhenNotFirstLanguage(QWidget* form, bool translateLists)
{
    if (theAll().LanguageIndex > 0)
        TranslateForm(form, theAll().LanguageName, translateLists);
}
