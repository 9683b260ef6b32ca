#include "locale/ProgramFolderTest.h"
#include "locale/WidgetTexts.h"
#include "settings/ModelDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

class ModelDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        theAll().ModelName = QStringLiteral("K-640(UHF)");
        theAll().BandText = QStringLiteral("400 - 420MHz");
    }
};

TEST_F(ModelDialogTest, ShowsTheCurrentModelAndBand)
{
    TfModel dialog;
    dialog.show();

    EXPECT_EQ(ComboItems(dialog.cbCopmut), QStringList({"K-640(UHF)", "K-640(VHF)"}));
    EXPECT_EQ(dialog.cbCopmut->currentText(), "K-640(UHF)");
    EXPECT_EQ(ComboItems(dialog.cbPd), theMacList().Items(0)->Bands);
    EXPECT_EQ(dialog.cbPd->currentText(), "400 - 420MHz");
    EXPECT_FALSE(dialog.Confirmed);
}

TEST_F(ModelDialogTest, UnknownModelOrBandShowsTheFirstEntry)
{
    struct Case {
        QString Model, Band;
        QString ShownModel, ShownBand;
    };
    const Case cases[] = {
        {"K-640(VHF)", "450 - 470MHz", "K-640(VHF)", "136 - 150MHz"},
        {"K-640(XYZ)", "450 - 470MHz", "K-640(UHF)", "450 - 470MHz"},
        {"k-640(vhf)", "", "K-640(UHF)", "350 - 370MHz"},
    };
    for (const Case& c : cases) {
        theAll().ModelName = c.Model;
        theAll().BandText = c.Band;
        TfModel dialog;
        dialog.show();
        EXPECT_EQ(dialog.cbCopmut->currentText(), c.ShownModel) << c.Model.toStdString();
        EXPECT_EQ(dialog.cbPd->currentText(), c.ShownBand) << c.Model.toStdString();
    }
}

TEST_F(ModelDialogTest, ChoosingAModelOffersItsBandsWithItsDefault)
{
    TfModel dialog;
    dialog.show();
    const std::pair<const char*, const char*> cases[] = {
        {"K-640(VHF)", "150 - 174MHz"},
        {"K-640(UHF)", "450 - 470MHz"},
    };
    for (const auto& [model, band] : cases) {
        dialog.cbCopmut->setCurrentText(QString::fromLatin1(model));
        EXPECT_EQ(ComboItems(dialog.cbPd), theMacList().FindByName(QString::fromLatin1(model))->Bands) << model;
        EXPECT_EQ(dialog.cbPd->currentText(), band) << model;
    }
}

TEST_F(ModelDialogTest, OnlyOkSetsTheFlagAndTheStateStays)
{
    struct Case {
        const char* How;
        std::function<void(TfModel&)> Close;
        bool Confirmed;
    };
    const Case cases[] = {
        {"OK", [](TfModel& d) { d.btnOk->click(); }, true},
        {"Cancel", [](TfModel& d) { d.btnCancel->click(); }, false},
        {"close box", [](TfModel& d) { d.close(); }, false},
    };
    for (const Case& c : cases) {
        TfModel dialog;
        dialog.show();
        dialog.cbCopmut->setCurrentText(QStringLiteral("K-640(VHF)"));
        c.Close(dialog);

        EXPECT_FALSE(dialog.isVisible()) << c.How;
        EXPECT_EQ(dialog.Confirmed, c.Confirmed) << c.How;
        EXPECT_EQ(dialog.cbPd->currentText(), "150 - 174MHz") << c.How;
        EXPECT_EQ(theAll().ModelName, "K-640(UHF)") << c.How;
        EXPECT_EQ(theAll().BandText, "400 - 420MHz") << c.How;
    }
}

TEST_F(ModelDialogTest, TranslationLeavesBothLists)
{
    WriteProgramFile(QStringLiteral("English.Ini"),
                     QStringLiteral("[fModel]\nLabel1.Caption=Model:\ncbCopmut.0=never\ncbPd.0=never\n"));
    UseLanguage(QStringLiteral("English"), 1);
    TfModel dialog;
    dialog.show();

    EXPECT_EQ(dialog.Label1->text(), "Model:");
    EXPECT_EQ(dialog.cbCopmut->itemText(0), "K-640(UHF)");
    EXPECT_EQ(dialog.cbPd->itemText(0), "350 - 370MHz");
}

} // namespace
