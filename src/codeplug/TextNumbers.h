#pragma once
// Numbers in texts: always "." as decimal point, whatever the system's regional settings.

#include <QString>
#include <optional>

// A decimal number such as "462.5", "-1", ".5" or "5.", blanks around it allowed. Nothing for an
// empty text, a point alone, two points, exponents or any other character.
std::optional<double> ReadDecimal(const QString& text);

// A decimal integer such as "12" or "-3", blanks around it allowed.
std::optional<int> ReadInteger(const QString& text);
