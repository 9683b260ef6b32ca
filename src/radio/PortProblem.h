#pragma once
// Why a serial device cannot be opened, told so that the user knows what to do about it.

#include <QString>

// The text for a device that failed to open (PortMissing, PortBusy, PortNoAccess, PortNotSerial
// or PortOtherError, with the device filled in). It looks at the device and opens it once more
// on its own, without the exclusive lock, to tell the reasons apart.
QString PortOpenProblem(const QString& device);

// The text for the system's error number of a failed open of the device.
QString PortOpenErrorText(const QString& device, int error);
