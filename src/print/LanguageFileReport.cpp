#include "print/LanguageFileReport.h"

#include "app/MainWindowTexts.h"
#include "channels/ChannelTable.h"
#include "channels/ChannelWindowNames.h"
#include "codeplug/CodeplugState.h"
#include "locale/FormTexts.h"
#include "locale/MessageTable.h"
#include "settings/FunctionSettingsTexts.h"

#include <optional>

namespace {

constexpr char VoxLevelControl[] = "seVoxLevel";

// The function settings dialog as it would show TFun after translating itself.
class TFileFunctionForm final : public TFunctionForm {
public:
    TFileFunctionForm(const TFunctionSettingsTexts& texts, const TFun& fun) : m_texts(texts), m_fun(fun) {}

    QString Title() const override { return m_texts.Title(); }
    QString Caption(const char* component) const override { return m_texts.Caption(component); }
    QString Text(const char* component) const override
    {
        if (qstrcmp(component, VoxLevelControl) == 0)
            return QString::number(m_fun.VoxLevel + 1);
        return m_texts.ListText(component, m_fun.*FunctionList(component).Member);
    }
    bool Ticked(const char* component) const override
    {
        for (const TFunctionCheck& check : FunctionChecks())
            if (qstrcmp(check.Component, component) == 0)
                return m_fun.*check.Member == 1;
        return false;
    }

private:
    const TFunctionSettingsTexts& m_texts;
    const TFun& m_fun;
};

// The channel window's texts in the language: its hidden title list, the first item of the tone
// list (the None text) and the items of the three lists.
TChannelTexts channelTexts(const TFormTexts& file)
{
    TChannelTexts texts = TChannelTexts::BuiltIn();
    for (int c = 0; c < texts.Titles.size(); ++c)
        texts.Titles[c] = file.Item(QString::fromLatin1(ColumnTitlesName), c, texts.Titles[c]);
    texts.None = file.Item(QString::fromLatin1(DecodeToneListName), 0, texts.None);
    const auto translate = [&file](const char* list, QStringList& items) {
        for (int i = 0; i < items.size(); ++i)
            items[i] = file.Item(QString::fromLatin1(list), i, items[i]);
    };
    translate(PowerListName, texts.Power);
    translate(BandwidthListName, texts.Bandwidth);
    translate(YesNoListName, texts.YesNo);
    return texts;
}

} // namespace

TPrintData LanguageFileReport(const TALL& all, const TFun& fun, TChannelTable& table, const QString& languageName,
                              int languageIndex)
{
    TLanguage language;
    LoadLanguage(language, all.AppPath, languageName);
    QString modelCaption = QString::fromLatin1(ModelLabelCaption);
    QString bandCaption = QString::fromLatin1(BandLabelCaption);
    std::optional<TFormTexts> functionFile;
    TFunctionSettingsTexts functionTexts;
    if (languageIndex > 0) {
        const TFormTexts mainWindow(all.AppPath, languageName, QString::fromLatin1(MainWindowFormName));
        modelCaption = mainWindow.Caption(QString::fromLatin1(ModelLabelName), modelCaption);
        bandCaption = mainWindow.Caption(QString::fromLatin1(BandLabelName), bandCaption);
        functionFile.emplace(all.AppPath, languageName, QString::fromLatin1(FunctionSettingsFormName));
        functionTexts = TFunctionSettingsTexts(*functionFile);
        table.RetranslateGrid(channelTexts(TFormTexts(all.AppPath, languageName, QString::fromLatin1(ChannelWindowName))));
    }

    TPrintData data;
    SetPrintHeader(data, {all.AppTitle, modelCaption, all.ModelName, {}, {}, bandCaption, all.BandText});
    AppendFunctionRows(data, TFileFunctionForm(functionTexts, fun), language);
    AppendChannelRows(data, table, language);
    return data;
}
