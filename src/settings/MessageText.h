#pragma once
// The embedded message's text rule: each of the two lines holds at most 32 characters, and only
// space, the digits and the letters A to Z and a to z. The dialog lets nothing else in, typed or
// pasted; a codeplug built from a text file is held to the same rule.

#include <QString>

constexpr int MessageLineLength = 32;

bool IsMessageCharacter(QChar c);

// The text with every character the rule refuses left out.
QString MessageCharacters(const QString& text);

// Why a line breaks the rule, in words; empty when it keeps it.
QString MessageLineFault(const QString& line);
