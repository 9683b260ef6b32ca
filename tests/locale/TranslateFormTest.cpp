#include "locale/ProgramFolderTest.h"
#include "locale/TranslateForm.h"
#include "locale/WidgetTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <functional>
#include <memory>

namespace {

// A form with one component of every kind, all carrying design texts.
struct TTestForm {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();

    template <typename Component>
    Component* add(Component* component, const char* name, int tag = 0)
    {
        component->setObjectName(QString::fromLatin1(name));
        if (tag != 0)
            SetComponentTag(component, tag);
        return component;
    }

    QComboBox* combo(const char* name, int tag, const QStringList& items, int selected)
    {
        auto* box = add(new QComboBox(form.get()), name, tag);
        box->addItems(items);
        box->setCurrentIndex(selected);
        return box;
    }

    QListWidget* list(const char* name, int tag, const QStringList& items)
    {
        auto* box = add(new QListWidget(form.get()), name, tag);
        box->addItems(items);
        return box;
    }

    QTableWidget* grid(const char* name, int tag)
    {
        auto* table = add(new QTableWidget(2, 3, form.get()), name, tag);
        table->setHorizontalHeaderLabels({QStringLiteral("No."), QStringLiteral("RX"), QStringLiteral("TX")});
        table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("cell")));
        return table;
    }

    TTestForm()
    {
        form->setObjectName(QStringLiteral("fTest"));
        form->setWindowTitle(QStringLiteral("Design title"));
        add(new QLabel(QStringLiteral("Label"), form.get()), "lKeep", TagKeepItems);
        add(new QLabel(QStringLiteral("unnamed label"), form.get()), "");
        add(new QPushButton(QStringLiteral("&Ok"), form.get()), "btnOk");
        add(new QCheckBox(QStringLiteral("Beep"), form.get()), "cbBeep");
        add(new QRadioButton(QStringLiteral("CTCSS"), form.get()), "rCTCSS");
        add(new QGroupBox(QStringLiteral("Group"), form.get()), "gbGroup");
        add(new QLineEdit(QStringLiteral("typed"), form.get()), "eName");
        auto* tabs = add(new QTabWidget(form.get()), "pcPages");
        tabs->addTab(add(new QWidget, "tsFirst"), QStringLiteral("First"));

        auto* menu = add(new QMenu(QStringLiteral("&File"), form.get()), "nFile");
        auto* menuItem = add(menu->addAction(QStringLiteral("&Open")), "O1");
        menuItem->setToolTip(QStringLiteral("menu hint"));
        auto* toolAction = add(new QAction(QStringLiteral("Open"), form.get()), "tbOpen");
        toolAction->setProperty(ToolButtonProperty, true);
        toolAction->setToolTip(QStringLiteral("Open"));
        auto* toolButton = add(new QToolButton(form.get()), "tbHelp");
        toolButton->setText(QStringLiteral("Help"));
        toolButton->setToolTip(QStringLiteral("Help"));

        combo("cbTimeout", TagFirstItemOnly, {"Off", "30", "60"}, 2);
        combo("cbSquelch", TagKeepItems, {"1", "2"}, 1);
        combo("cbSideKey", 0, {"a", "b", "c"}, 1);
        list("lbSel", TagFirstItemOnly, {"CTCSS", "DCS-N", "DCS-I"});
        list("lbValue", TagKeepItems, {"01-67.0-XZ"});
        grid("gvData", 0);
        grid("gvKept", TagKeepItems);
    }

    template <typename Component>
    Component* find(const char* name) const
    {
        return form->findChild<Component*>(QString::fromLatin1(name));
    }
    QStringList comboItems(const char* name) const { return ComboItems(find<QComboBox>(name)); }
    QStringList listItems(const char* name) const { return ListItems(find<QListWidget>(name)); }
    QStringList titles(const char* name) const
    {
        QStringList items;
        const auto* table = find<QTableWidget>(name);
        for (int c = 0; c < table->columnCount(); ++c)
            items << table->horizontalHeaderItem(c)->text();
        return items;
    }
};

const QString TestLanguage = QStringLiteral(R"([fTest]
fTest.Caption=测试窗口
lKeep.Caption=标签
btnOk.Caption=确定(&O)
cbBeep.Caption=按键音
rCTCSS.Caption=模拟亚音
gbGroup.Caption=分组
eName.Caption=never
tsFirst.Caption=第一页
nFile.Caption=文件(&F)
O1.Caption=打开(&O)
O1.Hint=never
tbOpen.Caption=打开
tbOpen.Hint=打开文件
tbHelp.Caption=帮助
tbHelp.Hint=帮助主题
cbTimeout.0=关
cbTimeout.1=never
cbSquelch.0=never
cbSquelch.1=never
cbSideKey.0=甲
cbSideKey.1=乙
cbSideKey.3=never
lbSel.0=模拟
lbSel.1=数字正码
lbValue.0=never
gvData.0=never
gvData.1=信道
gvData.2=接收
gvKept.1=never
[Other]
btnOk.Caption=wrong section
)");

class TranslateFormTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        WriteProgramFile(QStringLiteral("Test.Ini"), TestLanguage);
    }
    TTestForm test;
};

struct TTextCase {
    const char* What;
    std::function<QString(const TTestForm&)> Text;
    QString Expected;
};

TEST_F(TranslateFormTest, EachKindTakesItsKeysAndOnlyThose)
{
    EXPECT_TRUE(TranslateForm(test.form.get(), QStringLiteral("Test"), true));

    const TTextCase cases[] = {
        {"title", [](const TTestForm& t) { return t.form->windowTitle(); }, "测试窗口"},
        {"label with Tag -2", [](const TTestForm& t) { return t.find<QLabel>("lKeep")->text(); }, "标签"},
        {"button keeps its mnemonic", [](const TTestForm& t) { return t.find<QPushButton>("btnOk")->text(); }, "确定(&O)"},
        {"check box", [](const TTestForm& t) { return t.find<QCheckBox>("cbBeep")->text(); }, "按键音"},
        {"radio button", [](const TTestForm& t) { return t.find<QRadioButton>("rCTCSS")->text(); }, "模拟亚音"},
        {"group box", [](const TTestForm& t) { return t.find<QGroupBox>("gbGroup")->title(); }, "分组"},
        {"edit left alone", [](const TTestForm& t) { return t.find<QLineEdit>("eName")->text(); }, "typed"},
        {"tab page", [](const TTestForm& t) { return t.find<QTabWidget>("pcPages")->tabText(0); }, "第一页"},
        {"menu", [](const TTestForm& t) { return t.find<QMenu>("nFile")->title(); }, "文件(&F)"},
        {"menu item caption", [](const TTestForm& t) { return t.find<QAction>("O1")->text(); }, "打开(&O)"},
        {"menu item hint ignored", [](const TTestForm& t) { return t.find<QAction>("O1")->toolTip(); }, "menu hint"},
        {"tool button action caption", [](const TTestForm& t) { return t.find<QAction>("tbOpen")->text(); }, "打开"},
        {"tool button action hint", [](const TTestForm& t) { return t.find<QAction>("tbOpen")->toolTip(); }, "打开文件"},
        {"tool button caption", [](const TTestForm& t) { return t.find<QToolButton>("tbHelp")->text(); }, "帮助"},
        {"tool button hint", [](const TTestForm& t) { return t.find<QToolButton>("tbHelp")->toolTip(); }, "帮助主题"},
        {"Tag -3 combo: item 0 only", [](const TTestForm& t) { return t.comboItems("cbTimeout").join('|'); }, "关|30|60"},
        {"Tag -3 combo keeps selection", [](const TTestForm& t) { return QString::number(t.find<QComboBox>("cbTimeout")->currentIndex()); }, "2"},
        {"Tag -3 stays", [](const TTestForm& t) { return QString::number(ComponentTag(t.find<QComboBox>("cbTimeout"))); }, "-3"},
        {"Tag -2 combo untouched", [](const TTestForm& t) { return t.comboItems("cbSquelch").join('|'); }, "1|2"},
        {"fewer keys than items, keys beyond ignored", [](const TTestForm& t) { return t.comboItems("cbSideKey").join('|'); }, "甲|乙|c"},
        {"combo selection kept", [](const TTestForm& t) { return t.find<QComboBox>("cbSideKey")->currentText(); }, "乙"},
        {"list box: -3 means nothing", [](const TTestForm& t) { return t.listItems("lbSel").join('|'); }, "模拟|数字正码|DCS-I"},
        {"Tag -2 list box untouched", [](const TTestForm& t) { return t.listItems("lbValue").join('|'); }, "01-67.0-XZ"},
        {"grid titles from key 1 on", [](const TTestForm& t) { return t.titles("gvData").join('|'); }, "信道|接收|TX"},
        {"grid cells untouched", [](const TTestForm& t) { return t.find<QTableWidget>("gvData")->item(0, 0)->text(); }, "cell"},
        {"Tag -2 grid untouched", [](const TTestForm& t) { return t.titles("gvKept").join('|'); }, "No.|RX|TX"},
    };
    for (const TTextCase& c : cases)
        EXPECT_EQ(c.Text(test), c.Expected) << c.What;
}

TEST_F(TranslateFormTest, WithoutListsCombosStayButListBoxesAndGridsAreTranslated)
{
    TranslateForm(test.form.get(), QStringLiteral("Test"), false);

    EXPECT_EQ(test.comboItems("cbTimeout").join('|'), "Off|30|60");
    EXPECT_EQ(test.comboItems("cbSideKey").join('|'), "a|b|c");
    EXPECT_EQ(test.listItems("lbSel").join('|'), "模拟|数字正码|DCS-I");
    EXPECT_EQ(test.titles("gvData").join('|'), "信道|接收|TX");
    EXPECT_EQ(test.find<QPushButton>("btnOk")->text(), "确定(&O)");
}

TEST_F(TranslateFormTest, MissingFileLeavesEveryText)
{
    TranslateForm(test.form.get(), QStringLiteral("Nowhere"), true);

    EXPECT_EQ(test.form->windowTitle(), "Design title");
    EXPECT_EQ(test.find<QPushButton>("btnOk")->text(), "&Ok");
    EXPECT_EQ(test.comboItems("cbTimeout").join('|'), "Off|30|60");
    EXPECT_EQ(test.titles("gvData").join('|'), "No.|RX|TX");
    EXPECT_EQ(test.find<QAction>("tbOpen")->toolTip(), "Open");
}

TEST_F(TranslateFormTest, DialogsOnShowAreTranslatedOnlyBeyondTheFirstLanguage)
{
    UseLanguage(QStringLiteral("Test"), 0);
    TranslateWhenNotFirstLanguage(test.form.get(), true);
    EXPECT_EQ(test.find<QPushButton>("btnOk")->text(), "&Ok");

    UseLanguage(QStringLiteral("Test"), 1);
    TranslateWhenNotFirstLanguage(test.form.get(), true);
    EXPECT_EQ(test.find<QPushButton>("btnOk")->text(), "确定(&O)");
}

} // namespace
