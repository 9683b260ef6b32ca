#include "codeplug/TextNumbers.h"

std::optional<double> ReadDecimal(const QString& text)
{
    const QString t = text.trimmed();
    int digits = 0;
    int points = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (c == '.')
            ++points;
        else if (!(i == 0 && (c == '-' || c == '+')))
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> ReadInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}
