#include "cli/CliSession.h"

#include "app/Startup.h"
#include "cli/CliCommand.h"
#include "codeplug/GlobalState.h"
#include "locale/MsgBox.h"

namespace {

// Nobody is there to answer: every message is reported, every question gets the answer that
// changes nothing.
class TCliPresenter final : public TMsgPresenter {
public:
    int Present(const QString&, const QString& text, int kind) override
    {
        ReportError(text);
        return UnattendedAnswer(kind);
    }
};

TCliPresenter cliPresenter;

void SetEnglishMessages(TLanguage& language)
{
    language.Confirmation = QStringLiteral("Confirmation");
    language.ExitProgram = QStringLiteral("Exit the program?");
    language.SaveProgram = QStringLiteral("Save the data?");
    language.Channel = QStringLiteral("Channel");
    language.Info = QStringLiteral("Information");
    language.OutRange = QStringLiteral("The frequency is outside the band!");
    language.Caution = QStringLiteral("Caution");
    language.FChBigT = QStringLiteral("The start channel must be below the end channel!");
    language.Close = QStringLiteral("Off");
    language.Open = QStringLiteral("On");
    language.ComError = QStringLiteral("Check all connections and the port settings!");
    language.ModError = QStringLiteral("Wrong model: this program does not know the model.");
    language.ClearData = QStringLiteral("Clear the data?");
    language.Modforce = QStringLiteral("Force overwriting?");
    language.All = QStringLiteral("All");
    language.ErrRange = QStringLiteral("Frequency error!");
    language.ModelType = QStringLiteral("Model");
    language.Frequency = QStringLiteral("Frequency");
    language.ReadOk = QStringLiteral("Read complete!");
    language.WriteOk = QStringLiteral("Write complete!");
    language.LPortError = QStringLiteral("The port cannot be opened!");
    language.FileDamaged = QStringLiteral("The file %1 is damaged or incomplete; nothing was changed.");
    language.FileOpenError = QStringLiteral("Cannot open the file %1: %2");
    language.FileSaveError = QStringLiteral("Cannot save the file %1: %2. The previous file is unchanged.");
    language.SettingsSaveError = QStringLiteral("Cannot save the settings: %1");
    language.FileCreateError = QStringLiteral("Cannot create the file %1: %2");
    language.IniTooLarge = QStringLiteral("The file %1 is larger than 1 MiB and was not read.");
    language.PartlyWritten = QStringLiteral("The write stopped part-way: the radio now holds a "
                                            "partly written codeplug. Check the connection and "
                                            "write it again.");
    language.NotRegularFile = QStringLiteral("it is a device, a pipe or a folder, not a regular file");
    language.PortMissing = QStringLiteral("The device %1 does not exist. Check that the programming cable is plugged in.");
    language.PortBusy = QStringLiteral("The device %1 is in use by another program. Close that program and try again.");
    language.PortNoAccess = QStringLiteral("You have no permission to use the device %1. On Linux, add your user to the group dialout (for example: sudo usermod -aG dialout $USER), then log out and log in again.");
    language.PortNotSerial = QStringLiteral("The device %1 is not a serial port.");
    language.PortOtherError = QStringLiteral("The device %1 cannot be opened: %2");
}

} // namespace

void StartCliSession()
{
    DataModuleCreate(StartupFileLocations());
    SetEnglishMessages(theLanguage());
    SetMsgPresenter(&cliPresenter);
}
