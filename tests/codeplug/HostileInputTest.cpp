// Damaged and hostile input, generated from fixed seeds: whatever a file holds, loading it either
// succeeds with a consistent codeplug or changes nothing, and nothing crashes.

#include "channels/ChannelTable.h"
#include "channels/Frequency.h"
#include "cli/ChannelCsv.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/GlobalState.h"
#include "locale/IniFile.h"
#include "support/FreshState.h"
#include "support/ScriptedMsgBox.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <random>

namespace {

// Text of the given alphabet, biased towards the characters that give a format its structure.
QString RandomText(std::mt19937& random, const QString& alphabet, int maxLength)
{
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    QString text;
    for (int i = length(random); i > 0; --i)
        text += alphabet[pick(random)];
    return text;
}

QByteArray RandomBytes(std::mt19937& random, int length)
{
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(length, '\0');
    for (char& b : bytes)
        b = static_cast<char>(byte(random));
    return bytes;
}

// Everything a failed load must leave as it was.
struct TSnapshot {
    QString ModelName;
    QString BandText;
    TFun Fun;
    QString Line1;
    std::vector<QString> Rx;

    static TSnapshot Take()
    {
        TSnapshot s{theAll().ModelName, theAll().BandText, theFun(), theEnMsg().Line1, {}};
        for (int c = 1; c <= theChannels().ChannelCount(); ++c)
            s.Rx.push_back(theChannels().Cell(c, ColRx).Fore);
        return s;
    }
    bool operator==(const TSnapshot&) const = default;
};

class HostileInputTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        TALL& all = theAll();
        SetCurrentModel(all, *theMacList().Items(0));
        SetBand(all, "450 - 470MHz");
        theChannels().ResetChannelRows();
        theChannels().SetForeText(1, ColRx, "462.5625");
        theEnMsg().Line1 = "BEFORE";
    }
    ScriptedMsgBox messages;
};

} // namespace

TEST_F(HostileInputTest, CodeplugFilesOfAnyContentLoadWholeOrNotAtAll)
{
    QByteArray valid;
    TChannelRows rows;
    QString reason;
    ASSERT_TRUE(BuildCodeplugFileImage(QDateTime::currentDateTime(), valid, rows, reason));
    std::mt19937 random(640);
    const QString path = AppPath() + "hostile.dat";
    for (int round = 0; round < 400; ++round) {
        // Half the files are damaged copies of a good one, so the header often names a model.
        QByteArray bytes = valid;
        if (round % 2 == 0) {
            bytes = RandomBytes(random, std::uniform_int_distribution<int>(0, 2000)(random));
        } else {
            // Mostly behind the header, so many of these still name a model and load.
            const int from = round % 8 == 1 ? 0 : 5;
            for (int flips = std::uniform_int_distribution<int>(1, 40)(random); flips > 0; --flips)
                bytes[std::uniform_int_distribution<int>(from, static_cast<int>(bytes.size()) - 1)(random)] =
                    static_cast<char>(random());
            if (round % 4 == 3)
                bytes.truncate(std::uniform_int_distribution<int>(0, static_cast<int>(bytes.size()))(random));
        }
        WriteTestFile(path, bytes);
        const TSnapshot before = TSnapshot::Take();
        const TFileResult result = ReadCodeplugFile(path);
        if (!result.Ok()) {
            ASSERT_EQ(TSnapshot::Take(), before) << "round " << round;
            continue;
        }
        const TALL& all = theAll();
        ASSERT_NE(all.CurModel, nullptr);
        ASSERT_EQ(theChannels().ChannelCount(), all.ChannelCount);
        // A loaded codeplug saves again.
        ASSERT_TRUE(WriteCodeplugFile(AppPath() + "again.dat").Ok()) << "round " << round;
    }
}

TEST_F(HostileInputTest, CsvOfAnyContentGivesErrorsOrValidChannels)
{
    std::mt19937 random(6641);
    const QString alphabet = QStringLiteral("0123456789.,\"\r\n DINdinNoneYsHighLowWide-xé中");
    const QString header = QStringLiteral(
        "Channel No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,W/N,Scan Add,Beat Shift,Busy Lockout\n");
    // Field values, mostly good ones, so that many texts pass and their channels are checked.
    const QStringList numbers{"1", "2", "3", "4", "5", "16", "0", "17", "x"};
    const QStringList frequencies{"462.5625", "460.05", " 455.00001 ", "300", "650", "451", "700", "1.2.3"};
    const QStringList tones{"None", "67.0", "D023N", "D754I", "250.3", "None", "d023n", "5"};
    const QStringList powers{"Low", "High", "Low", "high"};
    const QStringList widths{"Wide", "Narrow", "Wide", "Middle"};
    const QStringList flags{"Yes", "No", "No", "Yes", "No", "no"};
    const auto any = [&random](const QStringList& pool) {
        return pool[std::uniform_int_distribution<int>(0, static_cast<int>(pool.size()) - 1)(random)];
    };
    const TALL& all = theAll();
    const TChannelTexts texts = TChannelTexts::BuiltIn();
    for (int round = 0; round < 2000; ++round) {
        QString text = round % 5 ? header : QString();
        for (int line = std::uniform_int_distribution<int>(0, 3)(random); line > 0; --line)
            text += QStringList{any(numbers), any(frequencies), any(frequencies), any(tones), any(tones),
                                any(powers), any(widths), any(flags), any(flags), any(flags)}.join(',') + '\n';
        if (round % 7 == 0)
            text += RandomText(random, alphabet, 80);
        if (round % 3 == 0)  // one line of good values, so that some texts pass as a whole
            text += QStringLiteral("%1,462.5625,467.5625,67.0,D023N,High,Wide,No,Yes,No\n").arg(round % 16 + 1);
        const TChannelImport import = ReadChannelCsv(text, all, texts);
        if (!import.Errors.empty())
            continue;
        ASSERT_EQ(static_cast<int>(import.Channels.size()), all.ChannelCount) << text.toStdString();
        for (const std::optional<TChannel>& channel : import.Channels) {
            if (!channel)
                continue;
            EXPECT_GE(channel->Rx, all.ModelMinFreq);
            EXPECT_LE(channel->Rx, all.ModelMaxFreq);
            EXPECT_EQ(SnapFrequency(channel->Rx), channel->Rx);
        }
    }
}

TEST_F(HostileInputTest, AnIniValueWrittenIntoAnyFileReadsBack)
{
    std::mt19937 random(2047);
    const QString alphabet = QStringLiteral("[]=;ab \r\nKeySection\t\"'中");
    const QString path = AppPath() + "hostile.ini";
    for (int round = 0; round < 500; ++round) {
        WriteTestFile(path, round % 3 == 0 ? RandomBytes(random, 200)
                                           : RandomText(random, alphabet, 200).toUtf8());
        TIniFile file(path);
        file.ReadString("Section", "Key", "default");
        QString error;
        if (!file.WriteString("Section", "Key", "value 7", &error))
            continue;  // a file that cannot take the value in its encoding is refused, not damaged
        EXPECT_EQ(TIniFile(path).ReadString("SECTION", "key", {}), "value 7")
            << ReadTestFile(path).toHex().toStdString();
    }
}
