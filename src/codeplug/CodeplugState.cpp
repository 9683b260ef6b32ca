#include "codeplug/CodeplugState.h"

#include "settings/ModelCatalog.h"

const std::array<TFunField, 15> FunFields{{
    {"BattSave", &TFun::BattSave},
    {"BeepTone", &TFun::BeepTone},
    {"Squelch", &TFun::Squelch, 0, 9, 5},
    {"SideKey", &TFun::SideKey, 0, 5, 0},  // the list offers 0..3; radios also hold 4 and 5
    {"TxTimeout", &TFun::TxTimeout, 0, 10, 6},
    {"VoxFun", &TFun::VoxFun},
    {"VoxInhibit", &TFun::VoxInhibit},
    {"VoxLevel", &TFun::VoxLevel, 0, 4, 4},
    {"VoiceLang", &TFun::VoiceLang},
    {"Scan", &TFun::Scan},
    {"Voice", &TFun::Voice},
    {"VolHighInhibit", &TFun::VolHighInhibit},
    {"VolLowInhibit", &TFun::VolLowInhibit},
    {"InceptAlarm", &TFun::InceptAlarm},
    {"FM", &TFun::FM},
}};

TTestFre::TTestFre()
{
    const char* const pairs[][2] = {
        {"460.05000", "460.10000"}, {"440.05000", "440.10000"}, {"479.95000", "479.90000"},
        {"460.00000", "460.00000"}, {"460.20000", "460.20000"}, {"460.40000", "460.40000"},
    };
    for (size_t i = 0; i < std::size(pairs); ++i) {
        RxFreq[i + 1] = QString::fromLatin1(pairs[i][0]);
        TxFreq[i + 1] = QString::fromLatin1(pairs[i][1]);
    }
}

void ResetSettings(TFun& fun, TEnMsg& msg)
{
    fun = TFun{};
    msg = TEnMsg{};
}

void ClampSettings(TFun& fun)
{
    for (const TFunField& field : FunFields) {
        int& value = fun.*field.Member;
        if (field.Fallback == TFunField::FlagFallback)
            value &= 1;
        else if (!field.InRange(value))
            value = field.Fallback;
    }
}

void SetCurrentModel(TALL& all, const TMacType& entry)
{
    all.CurModel = &entry;
    all.ModelName = entry.Name;
    all.ModelCode = entry.Code;
    all.ModelMaxFreq = entry.MaxFreq;
    all.ModelMinFreq = entry.MinFreq;
    all.ChannelCount = entry.ChannelCount;
}

bool SetBand(TALL& all, const QString& bandText)
{
    const std::optional<TBandEdges> edges = ParseBand(bandText);
    if (!edges)
        return false;
    all.BandText = bandText;
    all.BandMinFreq = edges->Lower;
    all.BandMaxFreq = edges->Upper;
    return true;
}
