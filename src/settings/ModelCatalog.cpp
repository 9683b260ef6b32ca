#include "settings/ModelCatalog.h"

#include "codeplug/TextNumbers.h"

void TMacList::Add(TMacType entry)
{
    m_entries.push_back(std::make_unique<TMacType>(std::move(entry)));
}

const TMacType* TMacList::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_entries[static_cast<size_t>(index)].get();
}

const TMacType* TMacList::FindByName(const QString& name) const
{
    for (const auto& entry : m_entries)
        if (entry->Name == name)
            return entry.get();
    return nullptr;
}

const TMacType* TMacList::FindByCode(const QString& code) const
{
    for (const auto& entry : m_entries)
        if (entry->Code == code)
            return entry.get();
    return nullptr;
}

void TMacList::FillNames(QStringList& names) const
{
    names.clear();
    for (const auto& entry : m_entries)
        names.append(entry->Name);
}

void TMacList::FillInitial()
{
    Add({"6641", "K-640(UHF)", 16, 650.0, 300.0,
         {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 470MHz",
          "440 - 480MHz", "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"},
         39, "450 - 470MHz"});
    Add({"5641", "K-640(VHF)", 16, 300.0, 67.0,
         {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"},
         39, "150 - 174MHz"});
}

void TFrqList::Add(const QString& text, int code)
{
    m_entries.push_back({text, code});
}

int TFrqList::CodeOf(const QString& text) const
{
    for (const auto& entry : m_entries)
        if (entry.Text == text)
            return entry.Code;
    return m_entries.empty() ? 0 : m_entries.front().Code;
}

QString TFrqList::TextOf(int code) const
{
    for (const auto& entry : m_entries)
        if (entry.Code == code)
            return entry.Text;
    return m_entries.empty() ? QString() : m_entries.front().Text;
}

void TFrqList::FillInitial()
{
    Add(" 27 -  72MHz", 253);
    Add("136 - 150MHz", 241);
    Add("136 - 174MHz", 242);
    Add("150 - 174MHz", 240);
    Add("216 - 223MHz", 243);
    Add("350 - 370MHz", 250);
    Add("350 - 390MHz", 251);
    Add("370 - 390MHz", 252);
    Add("400 - 420MHz", 248);
    Add("400 - 470MHz", 247);
    Add("440 - 480MHz", 249);
    Add("450 - 470MHz", 244);
    Add("450 - 490MHz", 245);
    Add("470 - 650MHz", 246);
}

std::optional<TBandEdges> ParseBand(const QString& text, QString* error)
{
    const auto fail = [&]() -> std::optional<TBandEdges> {
        if (error)
            *error = QStringLiteral("\"%1\" is not a band text of the form \"450 - 470MHz\"").arg(text);
        return std::nullopt;
    };
    const qsizetype dash = text.indexOf('-');
    if (dash < 0)
        return fail();
    const QString rest = text.mid(dash + 1);
    const qsizetype unit = rest.indexOf(QStringLiteral("MHz"));
    if (unit < 0)
        return fail();
    const std::optional<double> lower = ReadDecimal(text.left(dash));
    const std::optional<double> upper = ReadDecimal(rest.left(unit));
    if (!lower || !upper)
        return fail();
    return TBandEdges{*lower, *upper};
}

QString TMacType::OfferedBand(const QString& text) const
{
    const auto withoutBlanks = [](const QString& band) { return QString(band).remove(u' '); };
    for (const QString& band : Bands)
        if (withoutBlanks(band) == withoutBlanks(text))
            return band;
    return {};
}
