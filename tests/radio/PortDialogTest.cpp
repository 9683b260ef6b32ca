#include "locale/ProgramFolderTest.h"
#include "radio/PortDialog.h"
#include "support/PseudoTerminal.h"

#include <QComboBox>
#include <QPushButton>

namespace {

// COM1 and COM3 are present; COM2 names a device that does not exist.
class PortDialogTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        ASSERT_FALSE(com1.Device().isEmpty());
        ASSERT_FALSE(com3.Device().isEmpty());
        WriteProgramFile(QStringLiteral("SysInfo.Ini"),
                         QStringLiteral("[Ports]\nCOM1=%1\nCOM2=%2\nCOM3=%3\n")
                             .arg(com1.Device(), AppPath() + QStringLiteral("no-such-device"), com3.Device()));
    }
    static QStringList portNames(const QComboBox* combo)
    {
        QStringList names;
        for (int i = 0; i < combo->count(); ++i)
            names << combo->itemData(i).toString();
        return names;
    }

    PseudoTerminal com1;
    PseudoTerminal com3;
};

TEST_F(PortDialogTest, OffersThePresentPortsWithTheirDevices)
{
    TfSetPort dialog;
    dialog.show();

    // Ports of the machine itself may follow; the first ones are ours.
    const QStringList names = portNames(dialog.cbCom);
    ASSERT_GE(names.size(), 2);
    EXPECT_EQ(names.mid(0, 2), QStringList({"COM1", "COM3"}));
    EXPECT_FALSE(names.contains("COM2"));
    EXPECT_TRUE(dialog.cbCom->itemText(1).startsWith("COM3"));
    EXPECT_TRUE(dialog.cbCom->itemText(1).contains(com3.Device()));
}

TEST_F(PortDialogTest, PreselectsTheStoredPortByExactName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"COM3", "COM3"},
        {"Com3", "COM1"},
        {"COM2", "COM1"},
        {"", "COM1"},
    };
    for (const auto& [stored, shown] : cases) {
        theAll().ComPort = QString::fromLatin1(stored);
        TfSetPort dialog;
        dialog.show();
        EXPECT_EQ(dialog.ChosenPort(), shown) << stored;
    }
}

TEST_F(PortDialogTest, OkStoresTheNameAndCancelKeepsTheStoredOne)
{
    struct Case {
        const char* How;
        QPushButton* TfSetPort::*Button;
        QString Expected;
    };
    const Case cases[] = {
        {"OK", &TfSetPort::btnOk, "COM1"},
        {"Cancel", &TfSetPort::btnCancel, "Com3"},
    };
    for (const Case& c : cases) {
        theAll().ComPort = QStringLiteral("Com3");
        TfSetPort dialog;
        dialog.show();
        dialog.cbCom->setCurrentIndex(0);
        (dialog.*c.Button)->click();

        EXPECT_FALSE(dialog.isVisible()) << c.How;
        EXPECT_EQ(theAll().ComPort, c.Expected) << c.How;
    }
}

} // namespace
