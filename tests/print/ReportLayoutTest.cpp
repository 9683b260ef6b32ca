#include "print/LanguageFileReport.h"
#include "print/PrintFixtures.h"
#include "print/ReportLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace ReportMm;

constexpr double FooterTop = PrintableHeight - PageFooterHeight;

class ReportLayoutTest : public PrintFixture {
protected:
    TPrintData Report()
    {
        UseLanguage("English", 0);
        return LanguageFileReport(theAll(), theFun(), theChannels(), "English", 0);
    }

    // Every page starts with the page header and ends with the footer at the bottom; bands lie
    // one below the other and none reaches into the footer.
    static void ExpectWellFormed(const std::vector<TReportPage>& pages)
    {
        for (size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(p + 1);
            const TReportPage& page = pages[p];
            ASSERT_GE(page.size(), 2u);
            EXPECT_EQ(page.front(), (TPlacedBand{TBandKind::PageHeader, -1, 0}));
            EXPECT_EQ(page.back(), (TPlacedBand{TBandKind::PageFooter, -1, FooterTop}));
            double top = PageHeaderHeight;
            for (size_t b = 1; b + 1 < page.size(); ++b) {
                EXPECT_DOUBLE_EQ(page[b].TopMm, top);
                top += page[b].Kind == TBandKind::GroupHeader ? GroupHeaderHeight : MasterDataHeight;
            }
            EXPECT_LE(top, FooterTop + 1e-9);
        }
    }

    // Every line appears once, in order, across the pages.
    static void ExpectEveryLineOnce(const std::vector<TReportPage>& pages, size_t lineCount)
    {
        int next = 0;
        for (const TReportPage& page : pages)
            for (const TPlacedBand& band : page)
                if (band.Kind == TBandKind::MasterData) {
                    EXPECT_EQ(band.Line, next++);
                }
        EXPECT_EQ(size_t(next), lineCount);
    }
};

TEST_F(ReportLayoutTest, FunctionsFillThePageAndChannelsStartANewOne)
{
    ProgramSampleCodeplug();
    const TPrintData report = Report();
    const std::vector<TReportPage> pages = LayOutReport(report);
    ASSERT_EQ(pages.size(), 2u);
    ExpectWellFormed(pages);
    ExpectEveryLineOnce(pages, report.Lines.size());
    // Page 1: header, group 9 title, its 14 lines, footer; page 2: group 8 title, 13 lines.
    EXPECT_EQ(pages[0].size(), 1u + 1u + 14u + 1u);
    EXPECT_EQ(pages[0][1], (TPlacedBand{TBandKind::GroupHeader, 0, PageHeaderHeight}));
    EXPECT_EQ(pages[1].size(), 1u + 1u + 13u + 1u);
    EXPECT_EQ(pages[1][1], (TPlacedBand{TBandKind::GroupHeader, 14, PageHeaderHeight}));
}

TEST_F(ReportLayoutTest, WithoutChannelsTheChannelPageHoldsTitleAndBlankLine)
{
    const std::vector<TReportPage> pages = LayOutReport(Report());
    ASSERT_EQ(pages.size(), 2u);
    ExpectWellFormed(pages);
    EXPECT_EQ(pages[1], (TReportPage{{TBandKind::PageHeader, -1, 0},
                                     {TBandKind::GroupHeader, 14, PageHeaderHeight},
                                     {TBandKind::MasterData, 14, PageHeaderHeight + GroupHeaderHeight},
                                     {TBandKind::PageFooter, -1, FooterTop}}));
}

TEST_F(ReportLayoutTest, SixteenChannelsRunOverPagesWithoutSplittingABand)
{
    for (int channel = 1; channel <= 16; ++channel)
        theChannels().StoreChannel(channel, {450.0 + channel, 450.0 + channel, "", "", 1, 0, 0, 0, 0});
    const TPrintData report = Report();
    ASSERT_EQ(report.Lines.size(), 14u + 1u + 16u * 6u);
    const std::vector<TReportPage> pages = LayOutReport(report);
    ExpectWellFormed(pages);
    ExpectEveryLineOnce(pages, report.Lines.size());
    // 224.4 mm between header and footer hold 32 bands of 7 mm. Page 2: the group's title, the
    // blank line and five channels; then five channels a page, as the sixth would be parted.
    ASSERT_EQ(pages.size(), 5u);
    const size_t bandsOnPage[] = {1 + 14, 2 + 5 * 6, 5 * 6, 5 * 6, 1 * 6};
    for (size_t p = 0; p < pages.size(); ++p)
        EXPECT_EQ(pages[p].size(), bandsOnPage[p] + 2) << "page " << p + 1;
    for (size_t p = 2; p < pages.size(); ++p)
        EXPECT_EQ(report.Lines[pages[p][1].Line].AField, QStringLiteral("Channel No.%1").arg(5 * p - 4))
            << "a page starts with a channel's first line, and the group title is printed once";
}

TEST_F(ReportLayoutTest, LinesKeptTogetherMoveToTheNextPageOnlyWhenTheyDoNotFit)
{
    // 32 bands fit: a group title and 25 single lines leave room for exactly six more.
    TPrintData data;
    for (int line = 0; line < 25; ++line)
        AppendPrintLine(data, {GroupChannels, "G", QString::number(line), {}, {}, {}});
    AppendPrintLine(data, {GroupChannels, "G", "fits", {}, {}, {}, 5});
    for (int line = 0; line < 5; ++line)
        AppendPrintLine(data, {GroupChannels, "G", "kept", {}, {}, {}});
    AppendPrintLine(data, {GroupChannels, "G", "moves", {}, {}, {}, 1});
    AppendPrintLine(data, {GroupChannels, "G", "last", {}, {}, {}, 3});  // keeps more lines than follow
    const std::vector<TReportPage> pages = LayOutReport(data);
    ExpectWellFormed(pages);
    ExpectEveryLineOnce(pages, data.Lines.size());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 32u + 2u);
    EXPECT_EQ(pages[1][1].Line, 31);
}

TEST(ReportLayout, EmptyReportIsOnePageWithHeaderAndFooter)
{
    EXPECT_EQ(LayOutReport({}), (std::vector<TReportPage>{
                                    {{TBandKind::PageHeader, -1, 0}, {TBandKind::PageFooter, -1, FooterTop}}}));
}

} // namespace
