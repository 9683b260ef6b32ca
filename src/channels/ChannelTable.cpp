#include "channels/ChannelTable.h"
// PLACEHOLDER: to be replaced by the real implementation.
const int ChannelColumnWidths[ChannelColumnCount] = {80, 90, 90, 75, 75, 70, 70, 70, 70, 80};
const int ChannelColumnAlignCodes[ChannelColumnCount] = {2, 3, 3, 3, 3, 2, 2, 2, 2, 2};
TChannelTexts TChannelTexts::BuiltIn() { return {}; }
const QStringList& TChannelTexts::ItemsOf(int) const { return Power; }
TChannelTable::TChannelTable(TALL& all, QObject* parent) : QAbstractTableModel(parent), m_all(all) {}
int TChannelTable::rowCount(const QModelIndex&) const { return 0; }
int TChannelTable::columnCount(const QModelIndex&) const { return 0; }
QVariant TChannelTable::data(const QModelIndex&, int) const { return {}; }
QVariant TChannelTable::headerData(int, Qt::Orientation, int) const { return {}; }
Qt::ItemFlags TChannelTable::flags(const QModelIndex&) const { return {}; }
bool TChannelTable::setData(const QModelIndex&, const QVariant&, int) { return false; }
const TCell& TChannelTable::Cell(int, int) const { static TCell c; return c; }
bool TChannelTable::HoldsChannel(int) const { return false; }
void TChannelTable::ResetChannelRows() {}
void TChannelTable::InitChannelRow(int) {}
void TChannelTable::ClearChannelRow(int) {}
bool TChannelTable::SetForeText(int, int, const QString&) { return false; }
void TChannelTable::ComBoxSetData(int, int, int, const QString&) {}
void TChannelTable::RetranslateGrid(const TChannelTexts&) {}
void TChannelTable::StoreChannel(int, const TChannel&) {}
TChannelRead TChannelTable::ReadChannel(int, TChannel&) const { return TChannelRead::Empty; }
void TChannelTable::SetCell(int, int, const QString&, const QString&) {}
void TChannelTable::SetTxEditable(int, bool) {}
TChannelTable::BulkUpdate::BulkUpdate(TChannelTable& t) : m_table(t) {}
TChannelTable::BulkUpdate::~BulkUpdate() {}
TCell& TChannelTable::cellRef(int, int) { static TCell c; return c; }
void TChannelTable::rowChanged(int) {}
