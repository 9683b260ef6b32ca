#include "radio/PortDialog.h"

#include "codeplug/GlobalState.h"
#include "locale/TranslateForm.h"
#include "radio/ComPorts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>

namespace {

// What the user sees beside a port name: the driver's description of the device (the cable's
// product name), or else the device path.
QString portLabel(const QString& appPath, const QString& name)
{
    const QString device = ComPortDevice(appPath, name);
    const QString description = QSerialPortInfo(QFileInfo(device).canonicalFilePath()).description();
    const QString detail = description.isEmpty() ? device : description;
    return detail.isEmpty() ? name : QStringLiteral("%1  (%2)").arg(name, detail);
}

} // namespace

TfSetPort::TfSetPort(QWidget* parent)
    : TFormDialog(parent),
      lbName(new QLabel(QStringLiteral("Port:"), this)),
      cbCom(new QComboBox(this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(QStringLiteral("Communication Port"));
    lbName->setObjectName(QStringLiteral("lbName"));
    cbCom->setObjectName(QStringLiteral("cbCom"));
    cbCom->setMinimumWidth(150);
    cbCom->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layOutChoice({{lbName, cbCom}}, btnOk, btnCancel);

    connect(btnOk, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
}

QString TfSetPort::ChosenPort() const
{
    return cbCom->currentData().toString();
}

void TfSetPort::FormShow()
{
    TranslateWhenNotFirstLanguage(this, true);
    const QString appPath = theAll().SettingsFolder;
    QStringList ports;
    ListComPorts(appPath, &ports);
    cbCom->clear();
    for (const QString& port : ports)
        cbCom->addItem(portLabel(appPath, port), port);
    // The stored name is compared exactly: "Com3" does not select COM3.
    const int stored = cbCom->findData(theAll().ComPort, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    cbCom->setCurrentIndex(stored >= 0 ? stored : 0);
}

void TfSetPort::btnOKClick()
{
    theAll().ComPort = ChosenPort();
    accept();
}
