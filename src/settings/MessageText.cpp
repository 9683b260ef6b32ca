#include "settings/MessageText.h"

bool IsMessageCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

QString MessageCharacters(const QString& text)
{
    QString kept;
    for (const QChar c : text)
        if (IsMessageCharacter(c))
            kept += c;
    return kept;
}

QString MessageLineFault(const QString& line)
{
    if (line.size() > MessageLineLength)
        return QStringLiteral("%1 characters, at most %2 fit").arg(line.size()).arg(MessageLineLength);
    for (qsizetype at = 0; at < line.size(); ++at)
        if (!IsMessageCharacter(line[at]))
            return QStringLiteral("character %1 (\"%2\") is not a space, a digit or a letter A to Z")
                .arg(at + 1).arg(line[at]);
    return {};
}
