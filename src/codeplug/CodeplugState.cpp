#include "codeplug/CodeplugState.h"

#include "settings/ModelCatalog.h"

const std::array<TFunField, 15> FunFields{{
    {"BattSave", &TFun::BattSave},
    {"BeepTone", &TFun::BeepTone},
    {"Squelch", &TFun::Squelch},
    {"SideKey", &TFun::SideKey},
    {"TxTimeout", &TFun::TxTimeout},
    {"VoxFun", &TFun::VoxFun},
    {"VoxInhibit", &TFun::VoxInhibit},
    {"VoxLevel", &TFun::VoxLevel},
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
    const auto range = [](int& value, int low, int high, int fallback) {
        if (value < low || value > high)
            value = fallback;
    };
    const auto bit = [](int& value) { value &= 1; };

    range(fun.Squelch, 0, 9, 5);
    range(fun.SideKey, 0, 5, 0);
    range(fun.TxTimeout, 0, 10, 6);
    range(fun.VoxLevel, 0, 4, 4);
    for (int TFun::*member : {&TFun::BattSave, &TFun::BeepTone, &TFun::VoxFun, &TFun::VoxInhibit,
                              &TFun::VoiceLang, &TFun::Scan, &TFun::Voice, &TFun::VolHighInhibit,
                              &TFun::VolLowInhibit, &TFun::InceptAlarm, &TFun::FM})
        bit(fun.*member);
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
