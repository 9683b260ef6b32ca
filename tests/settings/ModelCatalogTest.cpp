#include "settings/ModelCatalog.h"

#include <gtest/gtest.h>

namespace {

TMacList initialCatalog()
{
    TMacList list;
    list.FillInitial();
    return list;
}

TFrqList initialBands()
{
    TFrqList list;
    list.FillInitial();
    return list;
}

} // namespace

TEST(ModelCatalog, InitialEntriesInOrder)
{
    const TMacList list = initialCatalog();
    ASSERT_EQ(list.Count(), 2);
    const TMacType* uhf = list.Items(0);
    ASSERT_NE(uhf, nullptr);
    EXPECT_EQ(uhf->Name, "K-640(UHF)");
    EXPECT_EQ(uhf->Code, "6641");
    EXPECT_EQ(uhf->ChannelCount, 16);
    EXPECT_EQ(uhf->MinFreq, 300.0);
    EXPECT_EQ(uhf->MaxFreq, 650.0);
    EXPECT_EQ(uhf->GapRows, 39);
    EXPECT_EQ(uhf->Bands.size(), 9);
    EXPECT_EQ(uhf->DefaultBand, "450 - 470MHz");
    const TMacType* vhf = list.Items(1);
    ASSERT_NE(vhf, nullptr);
    EXPECT_EQ(vhf->Name, "K-640(VHF)");
    EXPECT_EQ(vhf->Code, "5641");
    EXPECT_EQ(vhf->MinFreq, 67.0);
    EXPECT_EQ(vhf->MaxFreq, 300.0);
    EXPECT_EQ(vhf->Bands, (QStringList{"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"}));
    EXPECT_EQ(vhf->DefaultBand, "150 - 174MHz");
    EXPECT_EQ(list.Items(2), nullptr);
    EXPECT_EQ(list.Items(-1), nullptr);
}

TEST(ModelCatalog, LookupsAreExactAndCaseSensitive)
{
    const TMacList list = initialCatalog();
    struct Case { const char* text; bool byCode; const char* expectedName; };
    const Case cases[] = {
        {"6641", true, "K-640(UHF)"},
        {"5641", true, "K-640(VHF)"},
        {"6651", true, nullptr},
        {"6641 ", true, nullptr},
        {"", true, nullptr},
        {"K-640(VHF)", false, "K-640(VHF)"},
        {"k-640(vhf)", false, nullptr},
        {"K-640(VHF) ", false, nullptr},
    };
    for (const Case& c : cases) {
        const TMacType* found = c.byCode ? list.FindByCode(c.text) : list.FindByName(c.text);
        if (c.expectedName) {
            ASSERT_NE(found, nullptr) << c.text;
            EXPECT_EQ(found->Name, c.expectedName) << c.text;
        } else {
            EXPECT_EQ(found, nullptr) << c.text;
        }
    }
}

TEST(ModelCatalog, FillNamesReplacesTheList)
{
    QStringList names{"stale"};
    initialCatalog().FillNames(names);
    EXPECT_EQ(names, (QStringList{"K-640(UHF)", "K-640(VHF)"}));
}

TEST(ModelCatalog, EveryCatalogBandIsInTheBandList)
{
    const TMacList models = initialCatalog();
    const TFrqList bands = initialBands();
    for (int m = 0; m < models.Count(); ++m)
        for (const QString& band : models.Items(m)->Bands) {
            EXPECT_NE(bands.CodeOf(band), 253) << band.toStdString();
            EXPECT_EQ(bands.TextOf(bands.CodeOf(band)), band);
        }
}

TEST(BandList, CodesAndTextsWithTheirFallback)
{
    const TFrqList bands = initialBands();
    ASSERT_EQ(bands.Count(), 14);
    EXPECT_EQ(bands.CodeOf("450 - 470MHz"), 244);
    EXPECT_EQ(bands.CodeOf("400 - 470MHz"), 247);
    EXPECT_EQ(bands.CodeOf("450 - 470 MHz"), 253);
    EXPECT_EQ(bands.CodeOf(""), 253);
    EXPECT_EQ(bands.TextOf(240), "150 - 174MHz");
    EXPECT_EQ(bands.TextOf(246), "470 - 650MHz");
    EXPECT_EQ(bands.TextOf(0), " 27 -  72MHz");
    EXPECT_EQ(bands.TextOf(255), " 27 -  72MHz");
}

TEST(ParseBand, EdgesAndErrors)
{
    struct Case { const char* text; bool ok; double lower; double upper; };
    const Case cases[] = {
        {" 27 -  72MHz", true, 27, 72},
        {"450 - 470MHz", true, 450, 470},
        {"136 - 174MHz", true, 136, 174},
        {"450-470MHz", true, 450, 470},
        {"450 - 470", false, 0, 0},       // no unit
        {"450 470MHz", false, 0, 0},      // no dash
        {" - 470MHz", false, 0, 0},       // no lower edge
        {"450 - MHz", false, 0, 0},       // no upper edge
        {"abc - 470MHz", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        QString error;
        const auto edges = ParseBand(c.text, &error);
        ASSERT_EQ(edges.has_value(), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(edges->Lower, c.lower) << c.text;
            EXPECT_EQ(edges->Upper, c.upper) << c.text;
        } else {
            EXPECT_TRUE(error.contains(c.text)) << c.text;
        }
    }
}
