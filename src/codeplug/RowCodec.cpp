#include "codeplug/RowCodec.h"
// PLACEHOLDER: to be replaced by the real implementation.
void TBWriteRead::BlankRow(TRow& row) { row.fill(0xFF); }
void TBWriteRead::EncodeHeader(TRow& row, const QString&, const QString&, const QString&) { BlankRow(row); }
THeader TBWriteRead::DecodeHeader(const TRow&) { return {}; }
void TBWriteRead::EncodeChannel(TRow& row, const TChannel&) { BlankRow(row); }
bool TBWriteRead::DecodeChannel(const TRow&, TChannel&) { return false; }
void TBWriteRead::EncodeSettings1(TRow& row, const TFun&) { BlankRow(row); }
void TBWriteRead::DecodeSettings1(const TRow&, TFun&) {}
void TBWriteRead::EncodeSettings2(TRow& row, const TFun&) { BlankRow(row); }
void TBWriteRead::DecodeSettings2(const TRow&, TFun&) {}
void TBWriteRead::EncodeMessage(TRow& row, const QString&) { BlankRow(row); }
QString TBWriteRead::DecodeMessage(const TRow&) { return {}; }
void TBWriteRead::EncodeBand(TRow& row, int, const QString&) { BlankRow(row); }
int TBWriteRead::DecodeBand(const TRow&, QString&) { return 0; }
void TBWriteRead::EncodeBitmap(TRow& row, const QString&) { row.fill(0); }
int TBWriteRead::HexToInt(const QString&) { return 0; }
std::uint8_t TBWriteRead::HexPairToByte(const QString&) { return 0; }
bool TBWriteRead::ContainsAnyOf(const QString&, const QString&) { return false; }
QString TBWriteRead::ReverseStr(const QString& t) { return t; }
QString TBWriteRead::BinToInt(const QString&) { return {}; }
QString TBWriteRead::ByteHex(std::uint8_t) { return {}; }
