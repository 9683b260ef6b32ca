#pragma once
// The whole codeplug as one line of JSON, keys in a fixed order: model, modelCode, band, stamp,
// settings (the fifteen function settings by name), message (two lines) and the channels in use
// with the texts the grid shows. Reading takes that document back, so a codeplug can be kept as
// text and built again.

#include "codeplug/CodeplugState.h"
#include "codeplug/RowCodec.h"

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

struct TChannelTexts;
struct TMacType;
class TChannelTable;

QByteArray CodeplugJson(const TALL& all, const TFun& fun, const TEnMsg& message, const TChannelTable& table);

// A document as CodeplugJson writes it, read and checked. The stamp is not read: a file built
// from the document is stamped when it is written.
struct TCodeplugDocument {
    const TMacType* Model = nullptr;
    QString Band;
    TFun Fun;
    TEnMsg Message;
    std::vector<std::optional<TChannel>> Channels;  // entry k - 1 is channel k
    // One per bad value, naming its place: "channels[3].rx: 999 is above the model's upper limit
    // 650". The document is usable only when there are none.
    QStringList Faults;
};

// Every value passes the rules the program's own editors apply: settings within the range a
// radio holds, message lines as the message dialog lets them through, channels as
// channels/ChannelTextValues.h reads them (texts: the None text and list words).
TCodeplugDocument ReadCodeplugJson(const QByteArray& json, const TChannelTexts& texts);
