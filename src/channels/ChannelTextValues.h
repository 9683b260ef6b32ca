#pragma once
// A channel written as texts, as the command-line companion's files hold it (CSV lines, JSON
// documents): the rules every such text passes before it becomes a channel. Frequencies must lie
// within the model's limits and are moved onto the raster; tones must be the None text or a tone
// text as the tone boxes would keep it; list columns take the words of their lists.

#include "codeplug/RowCodec.h"

#include <QString>
#include <functional>
#include <optional>

struct TALL;
struct TChannelTexts;

// The text of a column (ColRx to ColBusyLockout), blanks around it removed.
using TChannelTextOf = std::function<QString(int column)>;
// Called once for each column whose text breaks a rule, with the reason in words.
using TChannelFault = std::function<void(int column, const QString& reason)>;

// The channel the texts describe, or nothing when any of them breaks a rule. An empty TX text is
// a channel without transmit frequency; an empty RX text is a fault.
std::optional<TChannel> ReadChannelTexts(const TChannelTextOf& textOf, const TALL& all,
                                         const TChannelTexts& texts, const TChannelFault& fault);
