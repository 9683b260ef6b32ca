#include "radio/ComPorts.h"

#include "codeplug/TextNumbers.h"
#include "locale/IniFile.h"

#include <QFileInfo>
#include <QSerialPort>

namespace {

constexpr int ProbedPorts = 256;
constexpr int DevicesPerFamily = 64;

struct TDeviceFamily {
    int FirstNumber;
    const char* Prefix;
};
constexpr TDeviceFamily DeviceFamilies[] = {
    {1, "/dev/ttyUSB"},
    {65, "/dev/ttyACM"},
    {129, "/dev/ttyS"},
};

QString PortName(int number)
{
    return QStringLiteral("COM%1").arg(number);
}

QString DeviceOf(const TIniFile& sysInfo, int number)
{
    const QString listed = sysInfo.ReadString(QStringLiteral("Ports"), PortName(number), {});
    if (!listed.isEmpty())
        return listed;
    for (const TDeviceFamily& family : DeviceFamilies) {
        const int index = number - family.FirstNumber;
        if (index >= 0 && index < DevicesPerFamily)
            return QLatin1String(family.Prefix) + QString::number(index);
    }
    return {};
}

TIniFile SysInfoOf(const QString& settingsFolder)
{
    return TIniFile(settingsFolder + QStringLiteral("SysInfo.Ini"));
}

// QSerialPort opens exclusively (lock file and TIOCEXCL), as the link itself does.
bool CanOpenNow(const QString& device)
{
    if (device.isEmpty() || !QFileInfo::exists(device))
        return false;
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

} // namespace

std::optional<int> ComPortNumber(const QString& name)
{
    const QString digits = name.mid(3);
    for (const QChar c : digits) {
        if (!c.isDigit())
            return std::nullopt;
    }
    return ReadInteger(digits);
}

QString ComPortDevice(const QString& settingsFolder, const QString& name)
{
    const std::optional<int> number = ComPortNumber(name);
    if (!number)
        return {};
    return DeviceOf(SysInfoOf(settingsFolder), *number);
}

void ListComPorts(const QString& settingsFolder, QStringList* list)
{
    if (!list)
        return;
    const TIniFile sysInfo = SysInfoOf(settingsFolder);
    for (int number = 1; number <= ProbedPorts; ++number) {
        if (CanOpenNow(DeviceOf(sysInfo, number)))
            list->append(PortName(number));
    }
}
