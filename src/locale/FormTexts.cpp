#include "locale/FormTexts.h"

#include <algorithm>

int TranslatedItemCount(int tag, int itemCount)
{
    switch (tag) {
    case TagKeepItems: return 0;
    case TagFirstItemOnly: return std::min(1, itemCount);
    default: return itemCount;
    }
}

TFormTexts::TFormTexts(const QString& appPath, const QString& languageName, QString section)
    : m_file(appPath + languageName + QStringLiteral(".Ini")), m_section(std::move(section))
{
}

QString TFormTexts::Caption(const QString& component, const QString& current) const
{
    return lookup(component + QStringLiteral(".Caption"), current);
}

QString TFormTexts::Hint(const QString& component, const QString& current) const
{
    return lookup(component + QStringLiteral(".Hint"), current);
}

QString TFormTexts::Item(const QString& component, int n, const QString& current) const
{
    return lookup(component + '.' + QString::number(n), current);
}

QString TFormTexts::lookup(const QString& key, const QString& current) const
{
    return m_file.ReadString(m_section, key, current);
}
