// Port names and devices, the port list, and the serial link on a real (pseudo-)terminal.
#include "radio/ComPorts.h"
#include "radio/PortProblem.h"
#include "radio/QtSerialLink.h"

#include "codeplug/GlobalState.h"

#include "locale/IniFile.h"
#include "support/PseudoTerminal.h"

#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ComPortsTest : public ::testing::Test {
protected:
    void WritePorts(const QList<std::pair<QString, QString>>& entries)
    {
        TIniFile sysInfo(AppPath() + "SysInfo.Ini");
        for (const auto& [name, device] : entries)
            ASSERT_TRUE(sysInfo.WriteString("Ports", name, device));
    }
    QString AppPath() const { return folder.path() + '/'; }

    QTemporaryDir folder;
};

TEST_F(ComPortsTest, NamesMapToDevicesUnlessPortsSaysOtherwise)
{
    WritePorts({{"COM3", "/dev/serial/by-id/cable"}, {"com300", "/tmp/virtual-radio"}});
    const struct {
        const char* Name;
        const char* Device;
    } cases[] = {
        {"COM1", "/dev/ttyUSB0"},  {"COM64", "/dev/ttyUSB63"}, {"COM65", "/dev/ttyACM0"},
        {"COM128", "/dev/ttyACM63"}, {"COM129", "/dev/ttyS0"}, {"COM192", "/dev/ttyS63"},
        {"Com2", "/dev/ttyUSB1"},  {"COM3", "/dev/serial/by-id/cable"},
        {"COM300", "/tmp/virtual-radio"}, {"COM193", ""}, {"COM0", ""}, {"COM", ""},
        {"COMx", ""}, {"COM1x", ""}, {"COM-1", ""}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComPortDevice(AppPath(), c.Name), QString(c.Device)) << c.Name;
}

TEST_F(ComPortsTest, ListsOpenablePortsInAscendingOrder)
{
    PseudoTerminal free1, free2, held;
    ASSERT_FALSE(free1.Device().isEmpty());
    QSerialPort holder(held.Device());
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    WritePorts({{"COM250", free1.Device()}, {"COM201", free2.Device()}, {"COM202", held.Device()},
                {"COM203", "/dev/no-such-device"}});

    QStringList ports;
    ListComPorts(AppPath(), &ports);

    const QStringList ours = ports.filter(QRegularExpression("^COM2[0-9][0-9]$"));
    EXPECT_EQ(ours, (QStringList{"COM201", "COM250"}));
    for (qsizetype i = 1; i < ports.size(); ++i)
        EXPECT_LT(ComPortNumber(ports[i - 1]).value(), ComPortNumber(ports[i]).value());
    ListComPorts(AppPath(), nullptr);  // nothing to fill: nothing happens
}

TEST(QtSerialLinkTest, CarriesBytesBothWaysAndReportsTheHangUp)
{
    PseudoTerminal terminal;
    TQtSerialLink link;
    QString error;
    ASSERT_TRUE(link.Open(terminal.Device(), &error)) << error.toStdString();  // no modem lines: fine
    EXPECT_TRUE(link.IsOpen());

    TQtSerialLink second;
    EXPECT_FALSE(second.Open(terminal.Device(), &error)) << "the link opens exclusively";
    EXPECT_FALSE(error.isEmpty());

    ASSERT_TRUE(link.Send("PROGRAM"));
    QByteArray arrived;
    EXPECT_TRUE(QTest::qWaitFor([&] { arrived += terminal.Read(); return arrived == "PROGRAM"; }, 2000));

    QSignalSpy available(&link, &TSerialLink::dataAvailable);
    terminal.Write("\x06");
    ASSERT_TRUE(available.wait(2000));
    EXPECT_EQ(link.ReadAll(), QByteArray("\x06"));

    QSignalSpy hangUp(&link, &TSerialLink::hangUp);
    terminal.CloseMaster();
    EXPECT_TRUE(QTest::qWaitFor([&] { return hangUp.count() == 1; }, 2000));
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.Send("E"));
}

// Why a device cannot be opened, for each reason the system has.
TEST(PortOpenProblemTest, NamesTheDeviceAndTheReason)
{
    TLanguage& language = theLanguage();
    SetBuiltInMessages(language);
    QTemporaryDir folder;
    const QString file = folder.path() + "/file";
    QFile(file).open(QIODevice::WriteOnly);
    const QString fifo = folder.path() + "/fifo";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    PseudoTerminal held;
    TQtSerialLink holder;
    ASSERT_TRUE(holder.Open(held.Device()));
    PseudoTerminal locked;
    std::vector<std::pair<QString, QString>> cases{
        {"/dev/k640-no-such-port", language.PortMissing},
        {file, language.PortNotSerial},
        {fifo, language.PortNotSerial},
        {"/dev/null", language.PortNotSerial},  // a device, but no terminal
        {held.Device(), language.PortBusy},
    };
    // Permissions bind everyone but the superuser.
    if (::geteuid() != 0 && ::chmod(QFile::encodeName(locked.Device()).constData(), 0) == 0)
        cases.push_back({locked.Device(), language.PortNoAccess});
    for (const auto& [device, text] : cases) {
        SCOPED_TRACE(device.toStdString());
        EXPECT_EQ(PortOpenProblem(device), text.arg(device));
    }
    EXPECT_EQ(PortOpenErrorText("/dev/ttyUSB0", EACCES), language.PortNoAccess.arg("/dev/ttyUSB0"));
    EXPECT_TRUE(language.PortNoAccess.contains("dialout"));
    EXPECT_EQ(PortOpenErrorText("/dev/ttyUSB0", EIO),
              language.PortOtherError.arg("/dev/ttyUSB0", QString::fromLocal8Bit(std::strerror(EIO))));
}

} // namespace
