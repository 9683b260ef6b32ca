#include "app/MainWindow.h"
#include "channels/BatchEditDialog.h"
#include "channels/ChannelEditDialog.h"
#include "channels/ChannelWindow.h"
#include "channels/ToneBox.h"
#include "channels/ToneOptionDialog.h"
#include "locale/AboutBox.h"
#include "locale/IniFile.h"
#include "locale/LanguageDialog.h"
#include "locale/MessageTable.h"
#include "locale/ProgramFolderTest.h"
#include "locale/TranslateForm.h"
#include "print/PrintCommands.h"
#include "radio/PortDialog.h"
#include "settings/EmbeddedMessageDialog.h"
#include "settings/FunctionSettingsDialog.h"
#include "settings/ModelDialog.h"
#include "settings/TestFrequencyDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <memory>

namespace {

const QString Resources = QStringLiteral(K640_RESOURCES_DIR);

// Every caption and list item a dialog shows, blanks around them removed (a language file cannot
// hold them), by component name.
using TShownTexts = std::map<std::string, std::string>;

TShownTexts shownTexts(const QWidget& dialog)
{
    TShownTexts texts;
    const auto add = [&texts](const QString& name, const QString& text) {
        texts[name.toStdString()] = text.trimmed().toStdString();
    };
    add(QStringLiteral("(title)"), dialog.windowTitle());
    for (const QObject* component : dialog.findChildren<QObject*>()) {
        const QString name = component->objectName();
        const auto* list = qobject_cast<const QListWidget*>(component);
        // The ports present and the model's bands are the machine's and the model's, not words.
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || name == QStringLiteral("cbCom")
            || name == QStringLiteral("cbFreq"))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(component)) {
            add(name, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(component)) {
            add(name, button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(component)) {
            add(name, group->title());
        } else if (const auto* menu = qobject_cast<const QMenu*>(component)) {
            add(name, menu->title());
        } else if (const auto* action = qobject_cast<const QAction*>(component)) {
            if (!action->isSeparator())
                add(name, action->property(ToolButtonProperty).toBool() ? action->toolTip() : action->text());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(component);
                   combo && ComponentTag(combo) != TagKeepItems) {
            const int count = ComponentTag(combo) == TagFirstItemOnly ? 1 : combo->count();
            for (int i = 0; i < count; ++i)
                add(name + '.' + QString::number(i), combo->itemText(i));
        } else if (const auto* grid = qobject_cast<const QTableView*>(component);
                   grid && ComponentTag(grid) != TagKeepItems && grid->model()) {
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                add(name + '.' + QString::number(column + 1),
                    grid->model()->headerData(column, Qt::Horizontal).toString());
        } else if (list && ComponentTag(list) != TagKeepItems && name != QStringLiteral("Language")) {
            // The language dialog's hidden list holds file names, not texts.
            for (int i = 0; i < list->count(); ++i)
                add(name + '.' + QString::number(i), list->item(i)->text());
        }
    }
    return texts;
}

// Texts that are words to translate, not values the program shows (the product's title, model,
// band, the widths and alignments of the channel columns).
bool isWording(const std::string& name, const std::string& text)
{
    if (text == "K-640")
        return false;
    static const std::string values[] = {"stModel", "stFreq"};
    for (const std::string& value : values)
        if (name.rfind(value, 0) == 0)
            return false;
    return std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

struct TDialogCase {
    const char* Section;
    std::function<std::unique_ptr<QWidget>()> Make;
};

const TDialogCase Dialogs[] = {
    {"fSetLanguage", [] { return std::make_unique<TfSetLanguage>(); }},
    {"fToneOption", [] { return std::make_unique<TfToneOption>(); }},
    {"fSetPort", [] { return std::make_unique<TfSetPort>(); }},
    {"fModel", [] { return std::make_unique<TfModel>(); }},
    {"fBFunSet", [] { return std::make_unique<TfBFunSet>(); }},
    {"fEmbeddedMessage", [] { return std::make_unique<TfEmbeddedMessage>(); }},
    {"fTestFrequency", [] { return std::make_unique<TfTestFrequency>(); }},
    {"fMainFrm", [] { return std::make_unique<TfMainFrm>(); }},
    {"fChInfo", [] { return std::make_unique<TfChInfo>(theChannels()); }},
    {"fBInfoEdit", [] { return std::make_unique<TfBInfoEdit>(theChannels()); }},
    {"fBBatchEdit", [] { return std::make_unique<TfBBatchEdit>(theChannels()); }},
    {"fPrintPreview", [] { return std::make_unique<TfPrintPreview>(TPrintData{}, QDateTime()); }},
};

class ShippedLanguageFilesTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        for (const char* file : {"English.Ini", "Chinese.Ini", "SysInfo.Ini"})
            ASSERT_TRUE(QFile::copy(Resources + '/' + file, AppPath() + file)) << file;
    }
    // The texts of the dialog as designed, and as shown in the language.
    std::pair<TShownTexts, TShownTexts> designAndShown(const TDialogCase& c,
                                                                            const QString& language)
    {
        UseLanguage(language, 0);
        std::unique_ptr<QWidget> design = c.Make();
        design->show();
        UseLanguage(language, 1);
        std::unique_ptr<QWidget> shown = c.Make();
        shown->show();
        return {shownTexts(*design), shownTexts(*shown)};
    }
};

TEST_F(ShippedLanguageFilesTest, EveryMessageIsInBothFiles)
{
    for (const char* file : {"English.Ini", "Chinese.Ini"}) {
        const TIniFile language(AppPath() + file);
        for (const TMessageKey& key : MessageKeys)
            EXPECT_FALSE(language.ReadString("Language", key.Key, {}).isEmpty()) << file << ' ' << key.Key;
    }
}

TEST_F(ShippedLanguageFilesTest, EnglishFileHoldsTheDesignTexts)
{
    for (const TDialogCase& c : Dialogs) {
        const auto [design, shown] = designAndShown(c, QStringLiteral("English"));
        EXPECT_EQ(shown, design) << c.Section;
    }
}

TEST_F(ShippedLanguageFilesTest, ChineseFileTranslatesEveryText)
{
    for (const TDialogCase& c : Dialogs) {
        const auto [design, shown] = designAndShown(c, QStringLiteral("Chinese"));
        for (const auto& [name, text] : design) {
            if (isWording(name, text)) {
                EXPECT_NE(shown.at(name), text) << c.Section << ' ' << name;
            }
        }
    }
}

TEST_F(ShippedLanguageFilesTest, AboutBoxHasTextsInBothLanguages)
{
    for (const char* language : {"English", "Chinese"}) {
        UseLanguage(QString::fromLatin1(language), 0);
        TfFrmAbout box;
        box.show();
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            if (label != box.Image1) {
                EXPECT_GT(label->text().size(), 1) << language << ' ' << label->objectName().toStdString();
            }
        }
    }
}

} // namespace
