#include "channels/ChannelTable.h"
#include "cli/ChannelCsv.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "support/ChannelRows.h"
#include "support/FreshState.h"
#include "support/ScriptedMsgBox.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A channel with a value in every field that differs from a new row's defaults.
TChannel SampleChannel()
{
    TChannel channel;
    channel.Rx = 462.5625;
    channel.Tx = 467.5625;
    channel.Decode = "67.0";
    channel.Encode = "D023N";
    channel.Power = 0;
    channel.Bandwidth = 1;
    channel.ScanAdd = 0;
    channel.BeatShift = 0;
    channel.BusyLockout = 0;
    return channel;
}

TChannelTexts GermanTexts()
{
    TChannelTexts texts = TChannelTexts::BuiltIn();
    texts.Titles[0] = "Kanal";
    texts.None = "Kein";
    texts.Power = {"Niedrig", "Hoch"};
    texts.Bandwidth = {"Breit", "Schmal"};
    texts.YesNo = {"Ja", "Nein"};
    return texts;
}

class ChannelTableTest : public FreshStateTest {
protected:
    void SetUp() override
    {
        FreshStateTest::SetUp();
        StartWithUhfModel();
    }

    // Fresh state with the UHF model, band "400 - 470MHz" and empty rows.
    void StartWithUhfModel()
    {
        DataModuleCreate(AppPath());
        const TMacType* uhf = theMacList().FindByName("K-640(UHF)");
        ASSERT_NE(uhf, nullptr);
        SetCurrentModel(theAll(), *uhf);
        ASSERT_TRUE(SetBand(theAll(), "400 - 470MHz"));
        table().ResetChannelRows();
        theAll().Modified = false;
    }

    static TChannelTable& table() { return theChannels(); }
    static QModelIndex At(int channel, int column) { return table().index(channel - 1, column - 1); }
    static QString Fore(int channel, int column) { return table().Cell(channel, column).Fore; }
    static QString Back(int channel, int column) { return table().Cell(channel, column).Back; }
    static bool TxEditable(int channel) { return table().flags(At(channel, ColTx)) & Qt::ItemIsEditable; }

    ScriptedMsgBox messages;
};

TEST_F(ChannelTableTest, FirstRxFrequencyGivesTheRowItsDefaults)
{
    EXPECT_TRUE(table().SetForeText(3, ColRx, "700"));

    const TRowTexts expected{
        {"3", "470.00000", "470.00000", "None", "None", "High", "Wide", "No", "No", "No"},
        {"1", "", "", "0", "0", "1", "0", "1", "1", "1"}};
    EXPECT_EQ(RowTexts(table(), 3), expected);
    EXPECT_TRUE(TxEditable(3));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Caption, theLanguage().Caution);
    EXPECT_EQ(messages.Shown()[0].Text, theLanguage().ErrRange);
    EXPECT_EQ(messages.Shown()[0].Kind, MsgInformation);
}

TEST_F(ChannelTableTest, TypedFrequenciesAreCheckedAndSnapped)
{
    struct Case { int column; QString typed; QString stored; QString message; };
    const Case cases[] = {
        {ColRx, "462.563", "462.56000", {}},
        {ColRx, " 462.5626 ", "462.56250", {}},
        {ColRx, "480", "480.00000", theLanguage().OutRange},
        {ColRx, "250", "400.00000", theLanguage().ErrRange},
        {ColRx, "470", "470.00000", {}},
        {ColRx, "400", "400.00000", {}},
        {ColTx, "700", "470.00000", theLanguage().ErrRange},
        {ColTx, "462.5549", "462.55000", {}},
    };
    for (const Case& c : cases) {
        table().StoreChannel(1, SampleChannel());
        messages.Clear();
        EXPECT_TRUE(table().SetForeText(1, c.column, c.typed)) << c.typed.toStdString();
        EXPECT_EQ(Fore(1, c.column), c.stored) << c.typed.toStdString();
        const std::vector<QString> expected =
            c.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.message};
        EXPECT_EQ(messages.Texts(), expected) << c.typed.toStdString();
    }
}

TEST_F(ChannelTableTest, FrequenciesAHairBelowAHalfAreStoredOnTheRaster)
{
    // A sixth decimal of 5 rounds up to the raster; the text must not fall back below it.
    struct Case { const char* model; const char* band; QString typed; QString stored; };
    const Case cases[] = {
        {"K-640(UHF)", "400 - 470MHz", "400.014995", "400.01500"},
        {"K-640(VHF)", "136 - 174MHz", "146.518745", "146.51875"},
        {"K-640(UHF)", "400 - 470MHz", "462.562495", "462.56250"},
        {"K-640(VHF)", "136 - 174MHz", "140.000005", "140.00000"},
    };
    const QString header = QStringLiteral("Channel No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,"
                                          "TX Power,W/N,Scan Add,Beat Shift,Busy Lockout\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        SetCurrentModel(theAll(), *theMacList().FindByName(c.model));
        ASSERT_TRUE(SetBand(theAll(), c.band));
        table().ResetChannelRows();

        EXPECT_TRUE(table().SetForeText(1, ColRx, c.typed));
        EXPECT_EQ(Fore(1, ColRx), c.stored);
        EXPECT_EQ(Fore(1, ColTx), c.stored);

        const TChannelImport import = ReadChannelCsv(
            header + "2," + c.typed + "," + c.typed + ",None,None,High,Wide,No,No,No\n", theAll(),
            TChannelTexts::BuiltIn());
        ASSERT_TRUE(import.Errors.empty());
        ASSERT_TRUE(import.Channels.at(1).has_value());
        table().StoreChannel(2, *import.Channels[1]);
        EXPECT_EQ(Fore(2, ColRx), c.stored);
        EXPECT_EQ(Fore(2, ColTx), c.stored);
    }
}

TEST_F(ChannelTableTest, NewRxIntoAHeldChannelChangesOnlyTheRx)
{
    table().StoreChannel(2, SampleChannel());
    TRowTexts expected = RowTexts(table(), 2);
    expected.Fore[ColRx - 1] = "450.00000";

    EXPECT_TRUE(table().SetForeText(2, ColRx, "450"));

    EXPECT_EQ(RowTexts(table(), 2), expected);
}

TEST_F(ChannelTableTest, EmptiedRxEmptiesTheRowAndLocksTx)
{
    for (const QString& typed : {QString(), QString("   ")}) {
        table().StoreChannel(4, SampleChannel());

        EXPECT_TRUE(table().SetForeText(4, ColRx, typed));

        const TRowTexts expected{{"4", "", "", "", "", "", "", "", "", ""},
                                 {"", "", "", "", "", "", "", "", "", ""}};
        EXPECT_EQ(RowTexts(table(), 4), expected);
        EXPECT_FALSE(table().HoldsChannel(4));
        EXPECT_FALSE(TxEditable(4));
    }
}

TEST_F(ChannelTableTest, EmptiedTxKeepsTheEncodeTone)
{
    table().StoreChannel(1, SampleChannel());

    EXPECT_TRUE(table().SetForeText(1, ColTx, " "));

    EXPECT_EQ(Fore(1, ColTx), "");
    EXPECT_EQ(Fore(1, ColEncode), "D023N");
    EXPECT_TRUE(table().HoldsChannel(1));
    EXPECT_TRUE(TxEditable(1));
    TChannel read;
    ASSERT_EQ(table().ReadChannel(1, read), TChannelRead::Channel);
    EXPECT_EQ(read.Tx, -1.0);
}

TEST_F(ChannelTableTest, TxOfAnEmptyRowCannotBeEdited)
{
    EXPECT_FALSE(TxEditable(5));
    EXPECT_FALSE(table().setData(At(5, ColTx), "462.5", Qt::EditRole));
    EXPECT_EQ(Fore(5, ColTx), "");
    EXPECT_FALSE(theAll().Modified);
}

TEST_F(ChannelTableTest, UnreadableFrequencyIsReportedAndTheCellKeepsItsText)
{
    struct Case { bool heldChannel; int column; QString typed; };
    const Case cases[] = {
        {true, ColRx, "1.2.3"}, {true, ColRx, "."}, {true, ColTx, "1.2.3"},
        {true, ColTx, "."},     {false, ColRx, "1.2.3"}, {false, ColRx, "."},
    };
    for (const Case& c : cases) {
        table().ResetChannelRows();
        if (c.heldChannel)
            table().StoreChannel(1, SampleChannel());
        const TRowTexts before = RowTexts(table(), 1);
        messages.Clear();

        EXPECT_FALSE(table().SetForeText(1, c.column, c.typed)) << c.typed.toStdString();

        EXPECT_EQ(RowTexts(table(), 1), before) << c.typed.toStdString();
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Caption, theLanguage().Caution);
        EXPECT_EQ(messages.Shown()[0].Text, theLanguage().ErrRange);
    }
}

TEST_F(ChannelTableTest, ToneListInputsAreNormalized)
{
    struct Case { QString typed; QString stored; };
    const Case cases[] = {
        {"d23n", "D777N"},  {"5", "30.0"},       {"None", "None"},   {"", "None"},
        {" None ", "None"}, {"D023n", "D023N"},  {"D754i", "D754I"}, {" 67 ", "67.0"},
        {"D245I", "D245I"}, {"1.2.3", "290.0"},
    };
    for (int column : {ColDecode, ColEncode}) {
        for (const Case& c : cases) {
            table().StoreChannel(1, SampleChannel());
            table().SetCell(1, column, Fore(1, column), "0");

            table().ComBoxSetData(1, column, -1, c.typed);

            EXPECT_EQ(Fore(1, column), c.stored) << c.typed.toStdString();
            EXPECT_EQ(Back(1, column), "0") << c.typed.toStdString();
        }
    }
}

TEST_F(ChannelTableTest, ListColumnsTakeIndexAndCaption)
{
    struct Case { int column; int item; QString caption; };
    const Case cases[] = {
        {ColPower, 1, "High"},    {ColBandwidth, 1, "Narrow"}, {ColScanAdd, 1, "No"},
        {ColBeatShift, 1, "No"},  {ColBusyLockout, 1, "No"},   {ColPower, 0, "Low"},
    };
    for (const Case& c : cases) {
        table().StoreChannel(1, SampleChannel());

        table().ComBoxSetData(1, c.column, c.item, c.caption);

        EXPECT_EQ(Fore(1, c.column), c.caption);
        EXPECT_EQ(Back(1, c.column), QString::number(c.item));
    }
}

TEST_F(ChannelTableTest, ListValuesAreRefusedWhereNoListCouldGiveThem)
{
    struct Case { const char* name; bool heldChannel; bool gridFilling; int column; int item; };
    const Case cases[] = {
        {"empty row", false, false, ColPower, 1},
        {"grid filling", true, true, ColPower, 1},
        {"grid filling, tone", true, true, ColDecode, -1},
        {"no such item", true, false, ColScanAdd, 2},
        {"no selection", true, false, ColBandwidth, -1},
        {"not a list column", true, false, ColTx, 0},
    };
    for (const Case& c : cases) {
        table().ResetChannelRows();
        if (c.heldChannel)
            table().StoreChannel(1, SampleChannel());
        theAll().Modified = false;
        theAll().GridFilling = c.gridFilling;
        const TRowTexts before = RowTexts(table(), 1);

        table().ComBoxSetData(1, c.column, c.item, "D023I");

        EXPECT_EQ(RowTexts(table(), 1), before) << c.name;
        EXPECT_FALSE(theAll().Modified) << c.name;
    }
}

TEST_F(ChannelTableTest, ResetWithTheSameCountEmptiesRowsInPlace)
{
    table().StoreChannel(1, SampleChannel());
    table().StoreChannel(16, SampleChannel());
    theAll().Modified = true;
    QSignalSpy resets(&table(), &QAbstractItemModel::modelReset);
    QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);

    table().ResetChannelRows();

    EXPECT_EQ(table().rowCount(), 16);
    for (int channel : {1, 16}) {
        const TRowTexts expected{{QString::number(channel), "", "", "", "", "", "", "", "", ""},
                                 {"", "", "", "", "", "", "", "", "", ""}};
        EXPECT_EQ(RowTexts(table(), channel), expected);
        EXPECT_FALSE(TxEditable(channel));
    }
    EXPECT_EQ(resets.count(), 0);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), At(1, 1));
    EXPECT_EQ(changes[0][1].toModelIndex(), At(16, ChannelColumnCount));
    EXPECT_TRUE(theAll().Modified);
}

TEST_F(ChannelTableTest, ResetWithAnotherCountRebuildsTheRows)
{
    for (int count : {8, 32, 16}) {
        table().StoreChannel(2, SampleChannel());
        theAll().ChannelCount = count;
        QSignalSpy resets(&table(), &QAbstractItemModel::modelReset);

        table().ResetChannelRows();

        EXPECT_EQ(resets.count(), 1);
        ASSERT_EQ(table().rowCount(), count);
        for (int channel = 1; channel <= count; ++channel) {
            EXPECT_EQ(Fore(channel, ColChannel), QString::number(channel));
            EXPECT_FALSE(table().HoldsChannel(channel));
            for (int column = 1; column <= ChannelColumnCount; ++column) {
                const bool editable = table().flags(At(channel, column)) & Qt::ItemIsEditable;
                EXPECT_EQ(editable, column == ColRx) << channel << "," << column;
            }
        }
    }
}

TEST_F(ChannelTableTest, RetranslationRelabelsButKeepsTheData)
{
    TChannel withTone = SampleChannel();
    withTone.Power = 1;
    withTone.Encode.clear();
    table().StoreChannel(1, withTone);
    table().SetCell(9, ColDecode, "None", "");  // not a channel: left alone
    TChannel before;
    ASSERT_EQ(table().ReadChannel(1, before), TChannelRead::Channel);
    QSignalSpy headers(&table(), &QAbstractItemModel::headerDataChanged);

    table().RetranslateGrid(GermanTexts());

    const TRowTexts expected{
        {"1", "462.56250", "467.56250", "67.0", "Kein", "Hoch", "Schmal", "Ja", "Ja", "Ja"},
        {"1", "", "", "", "", "1", "1", "0", "0", "0"}};
    EXPECT_EQ(RowTexts(table(), 1), expected);
    EXPECT_EQ(Fore(9, ColDecode), "None");
    EXPECT_EQ(table().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Kanal");
    EXPECT_EQ(headers.count(), 1);
    EXPECT_FALSE(theAll().Modified);
    TChannel after;
    ASSERT_EQ(table().ReadChannel(1, after), TChannelRead::Channel);
    EXPECT_EQ(after, before);

    // A new channel and the tone lists take the new None text from now on.
    table().SetForeText(2, ColRx, "462.5");
    EXPECT_EQ(Fore(2, ColDecode), "Kein");
    EXPECT_EQ(Fore(2, ColPower), "Hoch");
    table().ComBoxSetData(2, ColEncode, 0, "Kein");
    EXPECT_EQ(Fore(2, ColEncode), "Kein");
}

TEST_F(ChannelTableTest, StoredChannelsReadBackUnchanged)
{
    TChannel receiveOnly = SampleChannel();
    receiveOnly.Tx = -1.0;
    TChannel noTones = SampleChannel();
    noTones.Decode.clear();
    noTones.Encode.clear();
    TChannel inverted = SampleChannel();
    inverted.Decode = "D754I";
    inverted.Encode = "250.3";
    inverted.Power = 1;
    inverted.ScanAdd = 1;
    const TChannel cases[] = {SampleChannel(), receiveOnly, noTones, inverted};
    for (const TChannel& stored : cases) {
        table().StoreChannel(7, stored);
        EXPECT_TRUE(table().HoldsChannel(7));
        EXPECT_EQ(Back(7, ColChannel), "1");
        EXPECT_TRUE(TxEditable(7));

        TChannel read;
        ASSERT_EQ(table().ReadChannel(7, read), TChannelRead::Channel);
        EXPECT_EQ(read, stored);
    }
    EXPECT_EQ(Fore(7, ColDecode), "D754I");
    EXPECT_EQ(Fore(7, ColPower), "High");
    EXPECT_FALSE(theAll().Modified);
}

TEST_F(ChannelTableTest, ReadingARowThatIsNotAChannel)
{
    struct Case { const char* name; int column; QString fore; QString back; TChannelRead result; };
    const Case cases[] = {
        {"RX not a number", ColRx, "1.2.3", "", TChannelRead::Invalid},
        {"RX a point alone", ColRx, ".", "", TChannelRead::Invalid},
        {"TX not a number", ColTx, "abc", "", TChannelRead::Invalid},
        {"list value missing", ColScanAdd, "No", "", TChannelRead::Invalid},
        {"RX blanks only", ColRx, "  ", "", TChannelRead::Empty},
    };
    for (const Case& c : cases) {
        table().StoreChannel(3, SampleChannel());
        table().SetCell(3, c.column, c.fore, c.back);
        TChannel read = SampleChannel();
        read.Rx = 1.0;

        EXPECT_EQ(table().ReadChannel(3, read), c.result) << c.name;
        EXPECT_EQ(read.Rx, 1.0) << c.name << ": values taken from a row that failed";
    }
}

TEST_F(ChannelTableTest, StagedChannelsReplaceTheTable)
{
    table().StoreChannel(5, SampleChannel());
    TChannel plain = SampleChannel();
    plain.Decode.clear();
    plain.Tx = -1.0;
    const std::vector<std::optional<TChannel>> staged = {SampleChannel(), std::nullopt, plain};
    QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);

    table().TakeStagedChannels(staged);

    TChannel read;
    ASSERT_EQ(table().ReadChannel(1, read), TChannelRead::Channel);
    EXPECT_EQ(read, SampleChannel());
    EXPECT_EQ(table().ReadChannel(2, read), TChannelRead::Empty);
    ASSERT_EQ(table().ReadChannel(3, read), TChannelRead::Channel);
    EXPECT_EQ(read, plain);
    EXPECT_EQ(Fore(3, ColDecode), "None");
    EXPECT_EQ(table().ReadChannel(5, read), TChannelRead::Empty);
    EXPECT_TRUE(theAll().Modified);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(ChannelTableTest, ModelRolesAndHeader)
{
    table().StoreChannel(1, SampleChannel());
    EXPECT_EQ(table().columnCount(), ChannelColumnCount);
    EXPECT_EQ(table().rowCount(), 16);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    struct Case { int column; QString display; QString value; Qt::Alignment align; };
    const Case cases[] = {
        {ColChannel, "1", "1", Qt::AlignCenter},
        {ColRx, "462.56250", "", right},
        {ColDecode, "67.0", "", right},
        {ColPower, "Low", "0", Qt::AlignCenter},
        {ColBusyLockout, "Yes", "0", Qt::AlignCenter},
    };
    for (const Case& c : cases) {
        const QModelIndex index = At(1, c.column);
        EXPECT_EQ(table().data(index, Qt::DisplayRole).toString(), c.display) << c.column;
        EXPECT_EQ(table().data(index, Qt::EditRole).toString(), c.display) << c.column;
        EXPECT_EQ(table().data(index, TChannelTable::ValueTextRole).toString(), c.value);
        EXPECT_EQ(Qt::Alignment(table().data(index, Qt::TextAlignmentRole).toInt()), c.align);
        EXPECT_EQ(table().data(index, TChannelTable::ButtonFaceRole).toBool(),
                  c.column == ColChannel);
    }
    const QStringList titles = TChannelTexts::BuiltIn().Titles;
    ASSERT_EQ(titles.size(), ChannelColumnCount);
    for (int column = 1; column <= ChannelColumnCount; ++column) {
        EXPECT_EQ(table().headerData(column - 1, Qt::Horizontal, Qt::DisplayRole).toString(),
                  titles[column - 1]);
        EXPECT_EQ(Qt::Alignment(table()
                                    .headerData(column - 1, Qt::Horizontal, Qt::TextAlignmentRole)
                                    .toInt()),
                  Qt::AlignCenter);
    }
    EXPECT_EQ(titles.first(), "Channel No.");
    EXPECT_EQ(titles.last(), "Busy Lockout");
}

TEST_F(ChannelTableTest, OnlyRxAndTheTxOfChannelsAreEditable)
{
    table().StoreChannel(1, SampleChannel());
    for (int channel : {1, 2}) {
        for (int column = 1; column <= ChannelColumnCount; ++column) {
            const bool editable = table().flags(At(channel, column)) & Qt::ItemIsEditable;
            const bool expected = column == ColRx || (column == ColTx && channel == 1);
            EXPECT_EQ(editable, expected) << channel << "," << column;
        }
    }
}

TEST_F(ChannelTableTest, EditingThroughTheModelRunsTheFrequencyRules)
{
    EXPECT_TRUE(table().setData(At(6, ColRx), "462.563", Qt::EditRole));
    EXPECT_EQ(Fore(6, ColRx), "462.56000");
    EXPECT_EQ(Fore(6, ColTx), "462.56000");
    EXPECT_EQ(Back(6, ColChannel), "1");

    EXPECT_FALSE(table().setData(At(6, ColRx), "1.2.3", Qt::EditRole));
    EXPECT_EQ(Fore(6, ColRx), "462.56000");
    EXPECT_FALSE(table().setData(At(6, ColPower), "Low", Qt::EditRole));
    EXPECT_FALSE(table().setData(At(6, ColRx), "462.5", TChannelTable::ValueTextRole));
    EXPECT_EQ(Fore(6, ColPower), "High");
}

TEST_F(ChannelTableTest, SingleChangesNotifyTheirRowAndBulkUpdatesOnce)
{
    QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);

    table().SetForeText(4, ColRx, "462.5");
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), At(4, 1));
    EXPECT_EQ(changes[0][1].toModelIndex(), At(4, ChannelColumnCount));

    changes.clear();
    {
        TChannelTable::BulkUpdate outer(table());
        {
            TChannelTable::BulkUpdate inner(table());
            table().StoreChannel(1, SampleChannel());
            table().ClearChannelRow(4);
        }
        table().SetForeText(2, ColRx, "462.5");
        EXPECT_EQ(changes.count(), 0);
    }
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), At(1, 1));
    EXPECT_EQ(changes[0][1].toModelIndex(), At(16, ChannelColumnCount));

    changes.clear();
    { TChannelTable::BulkUpdate idle(table()); }
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(ChannelTableTest, EveryRowOperationNotifiesItsRowOnce)
{
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"RX typed", [] { table().SetForeText(2, ColRx, "455"); }},
        {"TX emptied", [] { table().SetForeText(2, ColTx, ""); }},
        {"tone chosen", [] { table().ComBoxSetData(2, ColDecode, 3, "71.9"); }},
        {"list chosen", [] { table().ComBoxSetData(2, ColPower, 0, "Low"); }},
        {"defaults", [] { table().InitChannelRow(2); }},
        {"stored", [] { table().StoreChannel(2, SampleChannel()); }},
        {"cell set", [] { table().SetCell(2, ColDecode, "67.0", ""); }},
        {"emptied", [] { table().ClearChannelRow(2); }},
    };
    table().StoreChannel(2, SampleChannel());
    for (const auto& [name, operation] : operations) {
        QSignalSpy changes(&table(), &QAbstractItemModel::dataChanged);
        operation();
        ASSERT_EQ(changes.count(), 1) << name;
        EXPECT_EQ(changes[0][0].toModelIndex(), At(2, 1)) << name;
        EXPECT_EQ(changes[0][1].toModelIndex(), At(2, ChannelColumnCount)) << name;
    }
}

TEST_F(ChannelTableTest, ModifiedFollowsEditsButNotResetsOrRelabelling)
{
    struct Case { const char* name; std::function<void()> action; bool modified; };
    const Case cases[] = {
        {"RX typed", [] { table().SetForeText(1, ColRx, "462.5"); }, true},
        {"TX emptied", [] { table().SetForeText(1, ColTx, ""); }, true},
        {"RX emptied", [] { table().SetForeText(1, ColRx, ""); }, true},
        {"other column set", [] { table().SetForeText(1, ColPower, "Low"); }, true},
        {"tone chosen", [] { table().ComBoxSetData(1, ColDecode, 3, "71.9"); }, true},
        {"list chosen", [] { table().ComBoxSetData(1, ColScanAdd, 0, "Yes"); }, true},
        {"rows reset", [] { table().ResetChannelRows(); }, false},
        {"relabelled", [] { table().RetranslateGrid(GermanTexts()); }, false},
    };
    for (const Case& c : cases) {
        StartWithUhfModel();
        table().StoreChannel(1, SampleChannel());
        theAll().Modified = false;

        c.action();

        EXPECT_EQ(theAll().Modified, c.modified) << c.name;
    }
}

} // namespace
