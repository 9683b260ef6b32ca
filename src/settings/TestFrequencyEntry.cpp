#include "settings/TestFrequencyEntry.h"

#include "channels/Frequency.h"
#include "codeplug/GlobalState.h"
#include "locale/MsgBox.h"

std::optional<QString> TestFrequencyEntryText(const TALL& all, const QString& entered)
{
    const QString text = entered.trimmed();
    if (text.isEmpty())
        return QString();
    const std::optional<double> mhz = ReadFrequency(text);
    if (!mhz) {
        MsgBox(theLanguage().Caution, theLanguage().ErrRange, MsgInformation);
        return std::nullopt;
    }
    return FrequencyText(CheckFrequency(all, *mhz));
}

QString WithLineBreaks(const QString& designText)
{
    QString text = designText;
    for (const char* mark : {"#10#13", "#13#10", "#10", "#13"})
        text.replace(QLatin1String(mark), QStringLiteral("\n"));
    return text;
}
