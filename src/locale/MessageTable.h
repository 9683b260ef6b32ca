#pragma once
// The message table: every text the program shows in a message box, by key, with built-in
// Chinese defaults that a language file may replace.

#include <QString>
#include <array>

struct TLanguage {
    QString Confirmation;
    QString ExitProgram;
    QString SaveProgram;
    QString Channel;
    QString Info;
    QString OutRange;
    QString Caution;
    QString FChBigT;
    QString Close;
    QString Open;
    QString ComError;
    QString ModError;
    QString ClearData;
    QString Modforce;
    QString All;
    QString ErrRange;
    QString ModelType;
    QString Frequency;
    QString ReadOk;
    QString WriteOk;
    QString LPortError;
    // Messages of our own for failures the table above has no words for. "%1" is the file's
    // path, "%2" the system's reason; in SettingsSaveError "%1" is the whole reason.
    QString FileDamaged;
    QString FileOpenError;
    QString FileSaveError;
    QString SettingsSaveError;
    QString FileCreateError;    // no file was there, so none was kept
    QString IniTooLarge;        // "%1" is the path
    QString PartlyWritten;
    // Why a save was refused: the target is no regular file (the "%2" of FileSaveError).
    QString NotRegularFile;
    // Why the port cannot be opened, shown below LPortError: "%1" is the device, "%2" the
    // system's reason.
    QString PortMissing;
    QString PortBusy;
    QString PortNoAccess;
    QString PortNotSerial;
    QString PortOtherError;
};

struct TMessageKey {
    const char* Key;
    QString TLanguage::*Member;
    const char* Default;  // UTF-8
};
// The keys of section "Language", in file order.
extern const std::array<TMessageKey, 34> MessageKeys;

class TIniFile;

// Tells the user, with the texts of language, when the file was refused for its size.
void ReportTooLargeFile(const TIniFile& file, const TLanguage& language);

// Every member at its built-in default.
void SetBuiltInMessages(TLanguage& language);

// Fills every member from section "Language" of <appPath><languageName>.Ini; a missing file or
// key leaves the built-in default.
void LoadLanguage(TLanguage& language, const QString& appPath, const QString& languageName);
