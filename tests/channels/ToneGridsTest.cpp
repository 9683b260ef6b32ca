#include "channels/ToneGrids.h"
#include "channels/Tones.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitToneEntry, SplitsAtTheFirstTwoDashes)
{
    struct Case {
        QString Entry;
        QString First, Middle, Last;
    };
    const Case cases[] = {
        {"01-67.0-XZ", "01", "67.0", "XZ"},
        {"1-D023", "1", "D023", "D023"},
        {"", "", "", ""},
        {"D023", "", "D023", "D023"},
        {"a-b-c-d", "a", "b", "c-d"},
    };
    for (const Case& c : cases) {
        const TToneEntryParts parts = SplitToneEntry(c.Entry);
        EXPECT_EQ(parts.First, c.First) << c.Entry.toStdString();
        EXPECT_EQ(parts.Middle, c.Middle) << c.Entry.toStdString();
        EXPECT_EQ(parts.Last, c.Last) << c.Entry.toStdString();
    }
}

// The texts of every cell of the columns that show tones.
QStringList toneCells(const TToneGrid& grid)
{
    QStringList tones;
    for (size_t c = 0; c < grid.Columns.size(); ++c)
        for (const QStringList& row : grid.Rows)
            if (grid.Columns[c].Tone && !row[static_cast<qsizetype>(c)].isEmpty())
                tones << row[static_cast<qsizetype>(c)];
    return tones;
}

TEST(ToneGridLayout, CtcssTableHasFiveGroupsOfIndexToneAndCode)
{
    const TToneGrid grid = ToneGridLayout(TToneTableKind::Ctcss, ToneTable());

    ASSERT_EQ(grid.Columns.size(), 15u);
    ASSERT_EQ(grid.Rows.size(), 9u);
    const TToneColumn group[] = {{32, {249, 141, 227}, false}, {43, {255, 255, 255}, true}, {32, {225, 249, 112}, false}};
    for (size_t c = 0; c < grid.Columns.size(); ++c) {
        EXPECT_EQ(grid.Columns[c].Width, group[c % 3].Width) << c;
        EXPECT_EQ(grid.Columns[c].Colour, group[c % 3].Colour) << c;
        EXPECT_EQ(grid.Columns[c].Tone, group[c % 3].Tone) << c;
    }
    // Column by column, nine entries per group.
    EXPECT_EQ(grid.Rows[0].mid(0, 3), QStringList({"01", "67.0", SplitToneEntry(ToneTable()[0]).Last}));
    EXPECT_EQ(grid.Rows[8][0], "09");
    EXPECT_EQ(grid.Rows[0][3], "0A");
    EXPECT_EQ(grid.Rows[5][13], "254.1");
    for (int r = 6; r < 9; ++r)
        EXPECT_EQ(grid.Rows[r].mid(12).join(""), "") << r;

    const QStringList tones = toneCells(grid);
    EXPECT_EQ(tones.size(), 42);
    for (const char* tone : {"206.5", "229.1", "254.1"})
        EXPECT_TRUE(tones.contains(QLatin1String(tone))) << tone;
}

TEST(ToneGridLayout, DcsTablesHaveEightGroupsOfNumberAndCodeWithTheirLetter)
{
    struct Case {
        TToneTableKind Kind;
        QString Letter;
    };
    for (const Case& c : {Case{TToneTableKind::DcsNormal, "N"}, Case{TToneTableKind::DcsInverted, "I"}}) {
        const TToneGrid grid = ToneGridLayout(c.Kind, ToneTable());

        ASSERT_EQ(grid.Columns.size(), 16u);
        ASSERT_EQ(grid.Rows.size(), 11u);
        for (size_t col = 0; col < grid.Columns.size(); ++col) {
            const bool tone = col % 2 == 1;
            EXPECT_EQ(grid.Columns[col].Width, tone ? 43 : 25) << col;
            const TRgb colour = tone ? TRgb{255, 255, 255} : TRgb{47, 231, 220};
            EXPECT_EQ(grid.Columns[col].Colour, colour) << col;
            EXPECT_EQ(grid.Columns[col].Tone, tone) << col;
        }
        EXPECT_EQ(grid.Rows[0].mid(0, 2), QStringList({"1", "D023" + c.Letter}));
        EXPECT_EQ(grid.Rows[0][2], "12");
        EXPECT_EQ(grid.Rows[7][14], "85");
        for (int r = 8; r < 11; ++r)  // the empty entries get no letter
            EXPECT_EQ(grid.Rows[r].mid(14).join(""), "") << r;

        const QStringList codes = toneCells(grid);
        EXPECT_EQ(codes.size(), 85);
        for (const QString code : {"D245", "D525", "D645"})
            EXPECT_TRUE(codes.contains(code + c.Letter)) << code.toStdString();
    }
}

TEST(ToneGridLayout, ShortTableGivesEmptyCells)
{
    const TToneGrid grid = ToneGridLayout(TToneTableKind::DcsNormal, {"01-67.0-XZ"});

    ASSERT_EQ(grid.Rows.size(), 11u);
    for (const QStringList& row : grid.Rows)
        EXPECT_EQ(row.join(""), "");
}

} // namespace
