#include "print/PrintFixtures.h"
#include "support/CliProcessTest.h"
#include "support/TestFiles.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

class CliPrintTest : public CliProcessTest {
protected:
    void SetUp() override
    {
        CliProcessTest::SetUp();
        CopyShippedLanguageFiles(AppPath());
    }

    // Channels 2 and 4 programmed, 3 empty, saved by the program's own save.
    QString Codeplug()
    {
        theChannels().StoreChannel(2, {462.5625, 467.5625, "", "D023N", 1, 0, 1, 0, 1});
        theChannels().StoreChannel(4, {450.0, 450.0, "67.0", "", 0, 1, 0, 1, 0});
        EXPECT_TRUE(WriteCodeplugFile(PathOf("fleet.dat")).Ok());
        return PathOf("fleet.dat");
    }

    // The text of the PDF in reading order, pages separated by form feeds.
    static QString PdfText(const QString& pdf)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000)) << "pdftotext (Debian package poppler-utils) is needed";
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Each text found after the one before it.
    static void ExpectInOrder(const QString& text, const QStringList& expected)
    {
        qsizetype at = 0;
        for (const QString& piece : expected) {
            const qsizetype found = text.indexOf(piece, at);
            EXPECT_GE(found, 0) << "missing in order: " << piece.toStdString() << "\n" << text.toStdString();
            if (found < 0)
                return;
            at = found + piece.size();
        }
    }
};

TEST_F(CliPrintTest, EnglishPdfHoldsHeaderFunctionsAndChannelsInReadingOrder)
{
    const TCliRun run = Run({"print", Codeplug(), "--pdf", PathOf("fleet.pdf")});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    const QString text = PdfText(PathOf("fleet.pdf"));
    EXPECT_EQ(text.count('\f'), 2) << "two pages";
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
    ExpectInOrder(text, {"K-640", today, "Model Type:", "K-640(UHF)", "Frequency:", "450 - 470MHz",
                         "Function Setting", "Battery Save", "On", "Squelch level", "5", "VOX Inhibit OnReceive",
                         "Off", "1", "\f",
                         "K-640", "Model Type:", "Channel Information", "Channel No.2", "RX Frequency", "462.56250",
                         "TX Frequency", "467.56250", "QT/DQT Dec", "None", "QT/DQT Enc", "D023N", "TX Power", "High",
                         "W/N", "Wide", "Scan Add", "No", "Beat Shift", "Yes", "Busy Lockout", "No", "Channel No.4",
                         "450.00000", "67.0", "Narrow", "2"});
    EXPECT_FALSE(text.contains("Channel No.3"));
}

TEST_F(CliPrintTest, ChinesePdfHasEveryGlyph)
{
    const TCliRun run = Run({"print", Codeplug(), "--pdf", PathOf("fleet.pdf"), "--language", "Chinese"});
    ASSERT_EQ(run.Code, 0) << qPrintable(run.Err);
    ExpectInOrder(PdfText(PathOf("fleet.pdf")),
                  {"机型：", "K-640(UHF)", "频段：", "功能设置", "省电模式", "已启动", "发射限时（秒）", "180",
                   "信道信息", "信道号2", "接收频率", "462.56250", "亚音解码", "无", "宽/窄带", "宽带", "繁忙锁定", "否"});
}

TEST_F(CliPrintTest, MistakesAndBadFilesGiveTheExitCodesOfTheFileCommands)
{
    const QString codeplug = Codeplug();
    WriteTestFile(PathOf("damaged.dat"), QByteArray(100, 'x'));
    const struct {
        const char* Case;
        QStringList Arguments;
        int Code;
    } cases[] = {
        {"no output", {"print", codeplug}, 1},
        {"no such language", {"print", codeplug, "--pdf", PathOf("out.pdf"), "--language", "Klingon"}, 1},
        {"two codeplugs", {"print", codeplug, codeplug, "--pdf", PathOf("out.pdf")}, 1},
        {"missing codeplug", {"print", PathOf("missing.dat"), "--pdf", PathOf("out.pdf")}, 3},
        {"damaged codeplug", {"print", PathOf("damaged.dat"), "--pdf", PathOf("out.pdf")}, 2},
    };
    for (const auto& c : cases) {
        const TCliRun run = Run(c.Arguments);
        EXPECT_EQ(run.Code, c.Code) << c.Case << ": " << qPrintable(run.Err);
        EXPECT_FALSE(QFile::exists(PathOf("out.pdf"))) << c.Case;
    }
}

TEST_F(CliPrintTest, OnlyARegularFileIsReplaced)
{
    const QString codeplug = Codeplug();
    ExpectOutputOnlyOverRegularFiles(
        [&codeplug](const QString& output) { return QStringList{"print", codeplug, "--pdf", output}; });
    WriteTestFile(PathOf("old.pdf"), "old");
    EXPECT_EQ(Run({"print", codeplug, "--pdf", PathOf("old.pdf")}).Code, 0);
    EXPECT_TRUE(ReadTestFile(PathOf("old.pdf")).startsWith("%PDF"));
}

} // namespace
