#include "locale/AboutBox.h"
#include "locale/ProgramFolderTest.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

namespace {

const QString AboutTexts = QStringLiteral(R"([fFrmAbout]
Label1.Caption=Product
Label2.Caption=Version
Label3.Caption=Radios
Label8.Caption=Maker
Label4.Caption=Copyright
Label9.Caption=Licence
Label5.Caption=First memo line
Label6.Caption=Second memo line
Label7.Caption=Last memo line
)");

class AboutBoxTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        WriteProgramFile(QStringLiteral("Chinese.Ini"), AboutTexts);
        UseLanguage(QStringLiteral("Chinese"), 0);
    }
};

TEST_F(AboutBoxTest, TextsComeFromTheLanguageFileEvenInTheFirstLanguage)
{
    TfFrmAbout box;
    box.show();

    EXPECT_EQ(box.windowTitle(), "K-640");
    const QLabel* lines[] = {box.Label1, box.Label2, box.Label3, box.Label8, box.Label4, box.Label9};
    QStringList shown;
    for (const QLabel* line : lines)
        shown << line->text();
    EXPECT_EQ(shown, QStringList({"Product", "Version", "Radios", "Maker", "Copyright", "Licence"}));
    EXPECT_EQ(box.Memo1->toPlainText(), "First memo line\nSecond memo line\n\nLast memo line");
    EXPECT_EQ(box.size(), QSize(408, 269));
}

TEST_F(AboutBoxTest, ClicksOnTheBoxAndItsLabelsClose)
{
    struct Case {
        const char* What;
        std::function<QWidget*(TfFrmAbout&)> Target;
        QPoint At;  // null: the centre of the target
        bool Closes;
    };
    const Case cases[] = {
        {"background", [](TfFrmAbout& b) -> QWidget* { return &b; }, QPoint(20, 110), true},
        {"label", [](TfFrmAbout& b) -> QWidget* { return b.Label2; }, QPoint(), true},
        {"icon", [](TfFrmAbout& b) -> QWidget* { return b.Image1; }, QPoint(), false},
        {"memo", [](TfFrmAbout& b) -> QWidget* { return b.Memo1->viewport(); }, QPoint(), false},
    };
    for (const Case& c : cases) {
        TfFrmAbout box;
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(c.Target(box), Qt::LeftButton, {}, c.At);
        EXPECT_EQ(!box.isVisible(), c.Closes) << c.What;
    }
}

} // namespace
