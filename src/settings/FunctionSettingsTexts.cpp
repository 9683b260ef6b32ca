#include "settings/FunctionSettingsTexts.h"

#include <QHash>

namespace {

QStringList numbers(int first, int last, int step)
{
    QStringList texts;
    for (int n = first; n <= last; n += step)
        texts.append(QString::number(n));
    return texts;
}

const QHash<QString, QString>& captions()
{
    static const QHash<QString, QString> table{
        {"Label1", "Squelch level"},
        {"Label2", "Side Key"},
        {"Label3", "TX Time Out"},
        {"Label5", "Scan"},
        {"Label4", "Voice"},
        {"Label10", "Voice Annunciation"},
        {"Label6", "Incept Alarm"},
        {"Label7", "FM"},
        {"GroupBox2", "VOX"},
        {"chVoxFun", "VOX Function"},
        {"Label8", "VOX Gain Level"},
        {"chVoxInhibit", "VOX Inhibit OnReceive"},
        {"cbBattSave", "Battery Save"},
        {"cbBeepTone", "Clew Voice"},
        {"cbVolhigh", "High Vol Inhibit Tx"},
        {"cbVolLow", "Low Vol Inhibit Tx"},
    };
    return table;
}

} // namespace

QString FunctionCaption(const char* component)
{
    return captions().value(QString::fromLatin1(component));
}

const std::vector<TFunctionList>& FunctionLists()
{
    static const std::vector<TFunctionList> lists{
        {"cbSQvelch", numbers(0, 9, 1), TagKeepItems, &TFun::Squelch},
        {"cbMonikey", {"Off", "Monmome", "H/L Power", "Alarm"}, 0, &TFun::SideKey},
        {"cbTxTimeout", QStringList{"Off"} + numbers(30, 300, 30), TagFirstItemOnly, &TFun::TxTimeout},
        {"cxScan", {"Off", "On"}, 0, &TFun::Scan},
        {"cxWaveof", {"Off", "On"}, 0, &TFun::Voice},
        {"cbVoice", {"English", "Chinese"}, 0, &TFun::VoiceLang},
        {"cxAlt", {"Off", "On"}, 0, &TFun::InceptAlarm},
        {"cxFM", {"Interdict", "Turn on"}, 0, &TFun::FM},
    };
    return lists;
}

const std::vector<TFunctionCheck>& FunctionChecks()
{
    static const std::vector<TFunctionCheck> checks{
        {"cbBattSave", &TFun::BattSave},     {"cbBeepTone", &TFun::BeepTone}, {"cbVolhigh", &TFun::VolHighInhibit},
        {"cbVolLow", &TFun::VolLowInhibit}, {"chVoxFun", &TFun::VoxFun},     {"chVoxInhibit", &TFun::VoxInhibit},
    };
    return checks;
}

const TFunctionList& FunctionList(const char* component)
{
    for (const TFunctionList& list : FunctionLists())
        if (qstrcmp(list.Component, component) == 0)
            return list;
    Q_ASSERT_X(false, "FunctionList", component);
    return FunctionLists().front();
}

QString TFunctionSettingsTexts::Title() const
{
    const QString title = QString::fromLatin1(FunctionSettingsTitle);
    return m_file ? m_file->Caption(QString::fromLatin1(FunctionSettingsFormName), title) : title;
}

QString TFunctionSettingsTexts::Caption(const char* component) const
{
    const QString caption = FunctionCaption(component);
    return m_file ? m_file->Caption(QString::fromLatin1(component), caption) : caption;
}

QString TFunctionSettingsTexts::ListText(const char* component, int value) const
{
    const TFunctionList& list = FunctionList(component);
    if (value < 0 || value >= list.Items.size())
        return QString::number(value);
    const QString& item = list.Items.at(value);
    const bool translated = value < TranslatedItemCount(list.Tag, int(list.Items.size()));
    return m_file && translated ? m_file->Item(QString::fromLatin1(component), value, item) : item;
}
