#pragma once
// Squelch tone texts: the None text, CTCSS "67.0" and DCS "D023N"/"D023I"; the tone list every
// tone box offers, and the tone table of the picker.

#include <QString>
#include <QStringList>

inline const QString BuiltInNoneText = QStringLiteral("None");

// Makes typed tone text valid: numbers become a CTCSS value between 30.0 and 290.0 ("290.0" when
// unreadable), DCS-like text stays when well formed and becomes "D777N" otherwise. Callers pass
// trimmed text that is not the None text.
QString NormalizeTone(const QString& text);

// The 205 texts of every tone box, the built-in None text first.
const QStringList& ToneList();

// The 133 entries of the tone picker's table: 42 CTCSS "01-67.0-XZ", three empty, 85 DCS
// "1-D023", three empty.
const QStringList& ToneTable();
