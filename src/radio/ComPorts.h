#pragma once
// Serial ports by name: the program names a port "COM" + number, stores that name, and maps it to
// a device. COM1-COM64 are /dev/ttyUSB0-63 (the usual programming cable), COM65-COM128
// /dev/ttyACM0-63, COM129-COM192 /dev/ttyS0-63; an entry COMn=/path in section [Ports] of
// SysInfo.Ini overrides or adds a name (a /dev/serial/by-id link, a pseudo-terminal). The program
// only reads [Ports].

#include <QString>
#include <QStringList>
#include <optional>

// The number after the first three characters of a port name: "COM12" gives 12. Nothing when
// the rest is not a decimal number.
std::optional<int> ComPortNumber(const QString& name);

// The device of a port name; empty when the name has no number or the number no device.
QString ComPortDevice(const QString& settingsFolder, const QString& name);

// Appends "COM" + n for every port that can be opened now (an exclusive read-write open
// succeeds), in ascending number. Ports 1 to 256 are probed, [Ports] entries included. Nothing
// happens without a list.
void ListComPorts(const QString& settingsFolder, QStringList* list);
