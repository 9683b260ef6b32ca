#include "channels/Tones.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(NormalizeTone, MakesNumbersACtcssValueBetween30And290)
{
    struct Case { const char* in; const char* expected; };
    const Case cases[] = {
        {"67", "67.0"}, {"67.0", "67.0"}, {"100.0", "100.0"}, {"123.4", "123.4"},
        {"5", "30.0"}, {"0", "30.0"}, {"29.9", "30.0"}, {"30", "30.0"},
        {"290", "290.0"}, {"290.04", "290.0"}, {"300", "290.0"}, {"99999", "290.0"},
        // One decimal, a half rounded up as written, not as the binary value happens to fall.
        {"67.05", "67.1"}, {"67.04", "67.0"}, {"88.45", "88.5"}, {"67.", "67.0"},
        // The whole text must be a number.
        {"1.2.3", "290.0"}, {"67a", "290.0"}, {"67,5", "290.0"}, {"6-7", "290.0"},
        {"1e2", "290.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeTone(c.in), c.expected) << c.in;
}

TEST(NormalizeTone, KeepsTheDecimalPointInAnyLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(NormalizeTone("123.4"), "123.4");
    QLocale::setDefault(QLocale::c());
}

TEST(NormalizeTone, KeepsWellFormedDcsAndReplacesTheRestWithD777N)
{
    struct Case { const char* in; const char* expected; };
    const Case cases[] = {
        {"D023N", "D023N"}, {"D754I", "D754I"}, {"D777N", "D777N"}, {"D777I", "D777I"},
        {"D245I", "D245I"}, {"D351I", "D351I"}, {"D000N", "D000N"},
        // The polarity letter stays as typed.
        {"D023n", "D023n"}, {"D023i", "D023i"},
        {"D028N", "D777N"}, {"D23N", "D777N"}, {"D0234N", "D777N"}, {"d023N", "D777N"},
        {"D023X", "D777N"}, {"D0A3N", "D777N"}, {"None", "D777N"}, {"-67", "D777N"},
        {".5", "D777N"}, {" D023N", "D777N"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeTone(c.in), c.expected) << c.in;
}

TEST(NormalizeTone, LeavesEmptyTextEmpty)
{
    EXPECT_EQ(NormalizeTone(""), "");
}

TEST(NormalizeTone, AcceptsEveryListedToneUnchanged)
{
    const QStringList& list = ToneList();
    for (qsizetype i = 1; i < list.size(); ++i)
        EXPECT_EQ(NormalizeTone(list[i]), list[i]);
}

TEST(ToneList, HoldsNoneThenCtcssThenNormalThenInvertedCodes)
{
    const QStringList& list = ToneList();
    ASSERT_EQ(list.size(), 205);
    struct Case { int index; const char* text; };
    const Case cases[] = {
        {0, "None"},
        {1, "67.0"}, {13, "100.0"}, {33, "203.5"}, {34, "210.7"}, {37, "233.6"}, {39, "250.3"},
        {40, "D023N"}, {74, "D245N"}, {86, "D351N"}, {122, "D754N"},
        {123, "D023I"}, {156, "D244I"}, {157, "D145I"}, {158, "D251I"},
        {168, "D346I"}, {169, "D364I"}, {204, "D754I"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list[c.index], c.text) << c.index;

    for (const char* absent : {"D245I", "D351I", "D145N", "206.5", "229.1", "254.1"})
        EXPECT_FALSE(list.contains(absent)) << absent;
    QStringList unique = list;
    EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(ToneList, InvertedCodesFollowTheNormalOrder)
{
    const QStringList& list = ToneList();
    QStringList normal;
    QStringList inverted;
    for (const QString& text : list) {
        if (text.endsWith('N') && text.startsWith('D'))
            normal << text.chopped(1);
        else if (text.endsWith('I'))
            inverted << text.chopped(1);
    }
    normal.replace(normal.indexOf("D245"), "D145");
    normal.removeOne("D351");
    EXPECT_EQ(inverted, normal);
}

TEST(ToneTable, HoldsCtcssEntriesDcsEntriesAndTheEmptyGaps)
{
    const QStringList& table = ToneTable();
    ASSERT_EQ(table.size(), 133);
    struct Case { int index; const char* text; };
    const Case cases[] = {
        {0, "01-67.0-XZ"}, {9, "0A-91.5-ZZ"}, {12, "0D-100.0-1Z"}, {32, "21-203.5-M1"},
        {33, "22-206.5-8Z"}, {37, "26-229.1-9Z"}, {40, "29-250.3-M7"}, {41, "2A-254.1-0Z"},
        {45, "1-D023"}, {107, "63-D516"}, {108, "64-D525"}, {109, "65-D532"},
        {117, "73-D632"}, {118, "74-D645"}, {119, "75-D654"}, {129, "85-D754"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table[c.index], c.text) << c.index;
    for (int empty : {42, 43, 44, 130, 131, 132})
        EXPECT_TRUE(table[empty].isEmpty()) << empty;
}

TEST(ToneTable, SharesItsTonesAndCodesWithTheToneList)
{
    const QStringList& list = ToneList();
    const QStringList& table = ToneTable();
    QStringList tableTones;
    for (int i = 0; i < 42; ++i)
        tableTones << table[i].section('-', 1, 1);
    for (const char* pickerOnly : {"206.5", "229.1", "254.1"})
        tableTones.removeOne(pickerOnly);
    EXPECT_EQ(tableTones, list.mid(1, 39));

    QStringList tableCodes;
    for (int i = 45; i < 130; ++i)
        tableCodes << table[i].section('-', 1, 1) + 'N';
    tableCodes.removeOne("D525N");
    tableCodes.removeOne("D645N");
    EXPECT_EQ(tableCodes, list.mid(40, 83));
}
