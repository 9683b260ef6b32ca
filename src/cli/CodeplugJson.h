#pragma once
// The whole codeplug as one line of JSON, keys in a fixed order: model, modelCode, band, stamp,
// settings (the fifteen function settings by name), message (two lines) and the channels in use
// with the texts the grid shows.

#include <QByteArray>

struct TALL;
struct TFun;
struct TEnMsg;
class TChannelTable;

QByteArray CodeplugJson(const TALL& all, const TFun& fun, const TEnMsg& message, const TChannelTable& table);
