#pragma once
// The codeplug as the program holds it, apart from the channel table: application state, the
// fifteen function settings, the embedded message and the test frequency table.

#include <QString>
#include <QStringList>
#include <array>

struct TMacType;

struct TALL {
    QString LanguageName;
    int LanguageIndex = 0;
    QString ComPort;
    QString AppPath;        // folder of the program, with a trailing separator
    QString SettingsFolder; // folder of SysInfo.Ini (see locale/FileLocations.h)
    QStringList DataFolders; // searched in order for language files and help
    QString AppTitle;
    int ChannelCount = 0;
    QString ModelName;
    QString BandText;
    QString FileStamp;      // date and time from the header row of the last opened file
    double ModelMaxFreq = 0.0;
    double ModelMinFreq = 0.0;
    double BandMaxFreq = 0.0;
    double BandMinFreq = 0.0;
    QString ModelCode;
    QString ChannelBits;    // "1"/"0" per channel, rebuilt by every save and every write
    QString ScanBits;
    int PicIndex = 0;       // picture number + 1
    bool Modified = false;
    bool GridFilling = false;
    QString HelpName;
    bool TestOnline = false;
    const TMacType* CurModel = nullptr;  // owned by the model catalog
};

struct TFun {
    int BattSave = 1;
    int BeepTone = 1;
    int Squelch = 5;
    int SideKey = 1;
    int TxTimeout = 6;
    int VoxFun = 0;
    int VoxInhibit = 0;
    int VoxLevel = 4;
    int VoiceLang = 1;
    int Scan = 0;
    int Voice = 1;
    int VolHighInhibit = 1;
    int VolLowInhibit = 1;
    int InceptAlarm = 0;
    int FM = 1;

    bool operator==(const TFun&) const = default;
};

// Every TFun member with its name and the range of values a radio holds, in declaration order,
// for code that lists them all. ClampSettings forces a value outside [Low, High] to Fallback; a
// flag (0/1) has no fallback and keeps its lowest bit.
struct TFunField {
    const char* Name;
    int TFun::*Member;
    int Low = 0;
    int High = 1;
    int Fallback = FlagFallback;

    static constexpr int FlagFallback = -1;
    bool InRange(int value) const { return value >= Low && value <= High; }
};
extern const std::array<TFunField, 15> FunFields;

struct TEnMsg {
    QString Line1;
    QString Line2;
};

constexpr int TestFrequencyCount = 16;

struct TTestFre {
    TTestFre();
    // Index 1..16 as in the dialog; index 0 is unused.
    std::array<QString, TestFrequencyCount + 1> RxFreq;
    std::array<QString, TestFrequencyCount + 1> TxFreq;
};

// Every TFun member to its default and both message lines empty.
void ResetSettings(TFun& fun, TEnMsg& msg);
// Forces every TFun member into its range (after a read from the radio).
void ClampSettings(TFun& fun);
// Makes the entry the current model; the band stays.
void SetCurrentModel(TALL& all, const TMacType& entry);
// Sets the band text and its two edges. A text that is not a band text changes nothing and
// gives false.
bool SetBand(TALL& all, const QString& bandText);
