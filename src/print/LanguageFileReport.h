#pragma once
// The printout of the codeplug held in the program's state, for a program without windows: every
// text is read from the language file the way the windows translate themselves (only for a
// language after the first of the language list, which the windows are designed in), and the
// messages of the report (Open, Close, Channel, Info) from its message table.

#include "print/PrintData.h"

#include <QString>

struct TALL;
struct TFun;
class TChannelTable;

// The channel table is relabelled into the language (tones and value texts stay).
TPrintData LanguageFileReport(const TALL& all, const TFun& fun, TChannelTable& table, const QString& languageName,
                              int languageIndex);
