#include "app/MainWindow.h"
#include "print/LanguageFileReport.h"
#include "print/PrintCommands.h"
#include "print/PrintFixtures.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedMsgBox.h"
#include "support/NonRegularFiles.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QLabel>
#include <QPrintDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PrintCommandsTest : public PrintFixture {
protected:
    static std::vector<TPrintLine> DialogFunctionRows()
    {
        TPrintData data;
        EXPECT_TRUE(TPrint::AddFunctionRows(data, theLanguage()));
        return data.Lines;
    }
    static std::vector<TPrintLine> FileFunctionRows()
    {
        const TPrintData report = LanguageFileReport(theAll(), theFun(), theChannels(), theAll().LanguageName,
                                                     theAll().LanguageIndex);
        return {report.Lines.begin(), report.Lines.begin() + 14};
    }
};

TEST_F(PrintCommandsTest, DialogAndLanguageFileGiveTheSameFunctionRows)
{
    // The program reads the dialog, the command-line companion the language file: both from the
    // one table of design texts, so in every language they agree.
    ProgramSampleCodeplug();
    for (const auto& [language, index] : {std::pair{"English", 0}, {"Chinese", 1}}) {
        SCOPED_TRACE(language);
        UseLanguage(language, index);
        LoadLanguage(theLanguage(), AppPath(), language);
        const std::vector<TPrintLine> rows = DialogFunctionRows();
        ASSERT_EQ(rows.size(), 14u);
        EXPECT_EQ(rows, FileFunctionRows());
    }
    EXPECT_EQ(DialogFunctionRows()[6].AValue, "关闭") << "TX time-out Off, translated";
}

TEST_F(PrintCommandsTest, EachCommandPrintsTheCodeplugAsItIsThen)
{
    TfMainFrm window;
    std::vector<std::pair<TPrintData, bool>> shown;
    window.ShowReport = [&shown](const TPrintData& data, bool preview) { shown.emplace_back(data, preview); };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    theChannels().StoreChannel(2, {462.5625, 467.5625, "", "", 1, 0, 0, 0, 0});

    window.DoCommand(TagPrint);
    theChannels().StoreChannel(5, {451.0, 451.0, "", "", 1, 0, 0, 0, 0});
    theFun().Squelch = 8;
    window.DoCommand(TagPrintPreview);

    ASSERT_EQ(shown.size(), 2u);
    const auto& [printed, printPreview] = shown[0];
    const auto& [previewed, previewPreview] = shown[1];
    EXPECT_FALSE(printPreview);
    EXPECT_TRUE(previewPreview);
    EXPECT_EQ(printed.Lines.size(), 14u + 1u + 6u);
    EXPECT_EQ(previewed.Lines.size(), 14u + 1u + 12u);
    EXPECT_EQ(printed.Lines[4].AValue, "5");
    EXPECT_EQ(previewed.Lines[4].AValue, "8");
    EXPECT_EQ(previewed.Lines.back().AField, "Busy Lockout");
    EXPECT_EQ(previewed.Lines[21].AField, "Channel No.5");
    // The header is what the main window shows.
    EXPECT_EQ(previewed.Header.AField, window.lMode->text());
    EXPECT_EQ(previewed.Header.AValue, theAll().ModelName);
    EXPECT_EQ(previewed.Header.CField, window.Label4->text());
    EXPECT_EQ(previewed.Header.CValue, window.stFreq->text());
}

TEST_F(PrintCommandsTest, PrintDialogOffersThePagesAndCancelPrintsNothing)
{
    ProgramSampleCodeplug();
    bool shown = false;
    WhenDialogShows<QPrintDialog>([&shown](QPrintDialog* dialog) {
        shown = true;
        EXPECT_EQ(dialog->minPage(), 1);
        EXPECT_EQ(dialog->maxPage(), 2);
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        dialog->reject();
    });
    PrintReport(nullptr, LanguageFileReport(theAll(), theFun(), theChannels(), "English", 0), QDateTime());
    EXPECT_TRUE(shown);
}

TEST_F(PrintCommandsTest, PreviewExportsPdfOnlyOverRegularFiles)
{
    UseLanguage("Chinese", 1);
    ScriptedMsgBox messages;
    TfPrintPreview preview(LanguageFileReport(theAll(), theFun(), theChannels(), "Chinese", 1), QDateTime::currentDateTime());
    EXPECT_EQ(preview.windowTitle(), "打印预览");
    EXPECT_EQ(preview.tbPdf->text(), "导出 PDF");

    QString target;
    preview.ChoosePdfFile = [&target] { return target; };
    for (const TSpecialFile& special : MakeSpecialFiles(folder.path())) {
        SCOPED_TRACE(special.Kind);
        target = special.Path;
        messages.Clear();
        preview.tbPdf->trigger();
        EXPECT_TRUE(special.Unchanged());
        ASSERT_EQ(messages.Shown().size(), 1u);
    }
    target = AppPath() + "report.pdf";
    messages.Clear();
    preview.tbPdf->trigger();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(ReadTestFile(target).startsWith("%PDF"));

    target.clear();  // Cancel in the file dialog
    WriteTestFile(AppPath() + "report.pdf", "kept");
    preview.tbPdf->trigger();
    EXPECT_EQ(ReadTestFile(AppPath() + "report.pdf"), "kept");
}

} // namespace
