#include "channels/ChannelTable.h"

#include "channels/Frequency.h"
#include "channels/Tones.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "codeplug/TextNumbers.h"
#include "locale/MsgBox.h"

#include <algorithm>
#include <utility>

const int ChannelColumnWidths[ChannelColumnCount] = {80, 90, 90, 75, 75, 70, 70, 70, 70, 80};
const int ChannelColumnAlignCodes[ChannelColumnCount] = {2, 3, 3, 3, 3, 2, 2, 2, 2, 2};

namespace {

// Item indexes of the defaults a row gets with its first RX frequency.
constexpr int DefaultPower = 1;       // "High"
constexpr int DefaultBandwidth = 0;   // "Wide"
constexpr int DefaultYesNo = 1;       // "No"

const QString RowMarker = QStringLiteral("1");

bool IsFrequencyColumn(int column) { return column == ColRx || column == ColTx; }
bool IsToneColumn(int column) { return column == ColDecode || column == ColEncode; }
bool IsListColumn(int column) { return column >= ColPower && column <= ColBusyLockout; }

Qt::Alignment AlignmentOf(int code)
{
    switch (code) {
    case 1: return Qt::AlignLeft | Qt::AlignVCenter;
    case 3: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignCenter;
    }
}

// The tone a cell shows for a tone that may be absent.
QString ToneCell(const QString& tone, const QString& noneText)
{
    return tone.isEmpty() ? noneText : tone;
}

// The tone a cell holds, empty when it shows the None text.
QString ToneOfCell(const QString& fore, const QString& noneText)
{
    const QString tone = fore.trimmed();
    return tone == noneText ? QString() : tone;
}

} // namespace

QString ToneBoxText(const QString& typed, const QString& noneText)
{
    const QString text = typed.trimmed();
    if (text.isEmpty() || text == noneText)
        return noneText;
    QString tone = NormalizeTone(text);
    if (tone.size() == 5 && tone.startsWith('D'))
        tone[4] = tone[4].toUpper();
    return tone;
}

TChannelTexts TChannelTexts::BuiltIn()
{
    TChannelTexts texts;
    texts.Titles = {"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc",
                    "TX Power",    "W/N",          "Scan Add",     "Beat Shift", "Busy Lockout"};
    texts.None = BuiltInNoneText;
    texts.Power = {"Low", "High"};
    texts.Bandwidth = {"Wide", "Narrow"};
    texts.YesNo = {"Yes", "No"};
    return texts;
}

const QStringList& TChannelTexts::ItemsOf(int column) const
{
    static const QStringList noItems;
    switch (column) {
    case ColPower: return Power;
    case ColBandwidth: return Bandwidth;
    case ColScanAdd:
    case ColBeatShift:
    case ColBusyLockout: return YesNo;
    default: return noItems;
    }
}

TChannelTable::TChannelTable(TALL& all, QObject* parent)
    : QAbstractTableModel(parent), m_all(all), m_texts(TChannelTexts::BuiltIn())
{
}

int TChannelTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelCount();
}

int TChannelTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelColumnCount;
}

QVariant TChannelTable::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int channel = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Cell(channel, column).Fore;
    case ValueTextRole: return Cell(channel, column).Back;
    // As an int: the item delegates of this Qt version read the alignment with toInt().
    case Qt::TextAlignmentRole: return int(AlignmentOf(ChannelColumnAlignCodes[index.column()]));
    case ButtonFaceRole: return column == ColChannel;
    default: return {};
    }
}

QVariant TChannelTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole: return m_texts.Titles.value(section);
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

Qt::ItemFlags TChannelTable::flags(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const int channel = index.row() + 1;
    const int column = index.column() + 1;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool editable = !Cell(channel, column).ReadOnly
                          && (column == ColRx || (column == ColTx && HoldsChannel(channel)));
    if (editable)
        result |= Qt::ItemIsEditable;
    return result;
}

bool TChannelTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    return SetForeText(index.row() + 1, index.column() + 1, value.toString());
}

const TCell& TChannelTable::Cell(int channel, int column) const
{
    return rowOf(channel).at(static_cast<size_t>(column - 1));
}

const TRowCells& TChannelTable::rowOf(int channel) const
{
    return m_rows.at(static_cast<size_t>(channel - 1));
}

bool TChannelTable::HoldsChannel(int channel) const
{
    return !Cell(channel, ColRx).Fore.trimmed().isEmpty();
}

void TChannelTable::ResetChannelRows()
{
    const int count = std::max(0, m_all.ChannelCount);
    if (count == ChannelCount()) {
        BulkUpdate bulk(*this);
        for (int channel = 1; channel <= count; ++channel) {
            TRowCells cells = rowOf(channel);
            clearCells(cells);
            storeRow(channel, cells);
        }
        return;
    }
    beginResetModel();
    m_rows.assign(static_cast<size_t>(count), {});
    for (int channel = 1; channel <= count; ++channel) {
        TRowCells& cells = m_rows[static_cast<size_t>(channel - 1)];
        cells[ColChannel - 1].Fore = QString::number(channel);
        cells[ColRx - 1].ReadOnly = false;
    }
    endResetModel();
}

void TChannelTable::initCells(TRowCells& cells) const
{
    cells[ColChannel - 1].Back = RowMarker;
    TCell& tx = cells[ColTx - 1];
    if (tx.Fore.trimmed().isEmpty())
        tx.Fore = cells[ColRx - 1].Fore;
    tx.ReadOnly = false;
    for (int column : {ColDecode, ColEncode}) {
        cells[column - 1].Fore = m_texts.None;
        cells[column - 1].Back = QStringLiteral("0");
    }
    const std::pair<int, int> defaults[] = {
        {ColPower, DefaultPower},   {ColBandwidth, DefaultBandwidth},
        {ColScanAdd, DefaultYesNo}, {ColBeatShift, DefaultYesNo},
        {ColBusyLockout, DefaultYesNo},
    };
    for (const auto& [column, item] : defaults) {
        cells[column - 1].Fore = m_texts.ItemsOf(column).value(item);
        cells[column - 1].Back = QString::number(item);
    }
}

void TChannelTable::InitChannelRow(int channel)
{
    TRowCells cells = rowOf(channel);
    initCells(cells);
    storeRow(channel, cells);
}

void TChannelTable::clearCells(TRowCells& cells)
{
    cells[ColChannel - 1].Back.clear();
    for (int column = ColRx; column <= ColBusyLockout; ++column) {
        cells[column - 1].Fore.clear();
        cells[column - 1].Back.clear();
    }
    cells[ColTx - 1].ReadOnly = true;
}

void TChannelTable::ClearChannelRow(int channel)
{
    TRowCells cells = rowOf(channel);
    clearCells(cells);
    storeRow(channel, cells);
}

bool TChannelTable::SetForeText(int channel, int column, const QString& text)
{
    m_all.Modified = true;
    TRowCells cells = rowOf(channel);
    TCell& cell = cells[column - 1];
    if (!IsFrequencyColumn(column)) {
        cell.Fore = text;
    } else if (text.trimmed().isEmpty()) {
        // An emptied RX ends the channel; an emptied TX leaves a receive-only channel that keeps
        // its encode tone.
        if (column == ColRx)
            clearCells(cells);
        else
            cell.Fore.clear();
    } else {
        const std::optional<double> typed = ReadFrequency(text);
        if (!typed) {
            MsgBox(theLanguage().Caution, theLanguage().ErrRange, MsgInformation);
            return false;
        }
        cell.Fore = FrequencyText(SnapFrequency(CheckFrequency(m_all, *typed)));
        if (column == ColRx && cells[ColChannel - 1].Back.isEmpty())
            initCells(cells);
    }
    storeRow(channel, cells);
    return true;
}

void TChannelTable::ComBoxSetData(int channel, int column, int itemIndex, const QString& text)
{
    // Lists open only over channels; an empty row takes no list values.
    if (m_all.GridFilling || !HoldsChannel(channel))
        return;
    TRowCells cells = rowOf(channel);
    TCell& cell = cells[column - 1];
    if (IsToneColumn(column)) {
        cell.Fore = ToneBoxText(text, m_texts.None);
    } else if (IsListColumn(column)) {
        if (itemIndex < 0 || itemIndex >= m_texts.ItemsOf(column).size())
            return;
        cell.Back = QString::number(itemIndex);
        cell.Fore = text;
    } else {
        return;
    }
    m_all.Modified = true;
    storeRow(channel, cells);
}

void TChannelTable::RetranslateGrid(const TChannelTexts& texts)
{
    BulkUpdate bulk(*this);
    for (int channel = 1; channel <= ChannelCount(); ++channel) {
        if (!HoldsChannel(channel))
            continue;
        TRowCells cells = rowOf(channel);
        for (int column : {ColDecode, ColEncode}) {
            if (cells[column - 1].Fore == m_texts.None)
                cells[column - 1].Fore = texts.None;
        }
        for (int column = ColPower; column <= ColBusyLockout; ++column) {
            const std::optional<int> item = ReadInteger(cells[column - 1].Back);
            const QStringList& captions = texts.ItemsOf(column);
            if (item && *item >= 0 && *item < captions.size())
                cells[column - 1].Fore = captions.at(*item);
        }
        storeRow(channel, cells);
    }
    m_texts = texts;
    emit headerDataChanged(Qt::Horizontal, 0, ChannelColumnCount - 1);
}

void TChannelTable::StoreChannel(int channel, const TChannel& values)
{
    TRowCells cells = rowOf(channel);
    cells[ColChannel - 1].Back = RowMarker;
    cells[ColRx - 1].Fore = FrequencyText(values.Rx);
    TCell& tx = cells[ColTx - 1];
    tx.Fore = values.Tx < 0 ? QString() : FrequencyText(values.Tx);
    tx.ReadOnly = false;
    cells[ColDecode - 1].Fore = ToneCell(values.Decode, m_texts.None);
    cells[ColEncode - 1].Fore = ToneCell(values.Encode, m_texts.None);
    const std::pair<int, int> lists[] = {
        {ColPower, values.Power},         {ColBandwidth, values.Bandwidth},
        {ColScanAdd, values.ScanAdd},     {ColBeatShift, values.BeatShift},
        {ColBusyLockout, values.BusyLockout},
    };
    for (const auto& [column, item] : lists) {
        cells[column - 1].Fore = m_texts.ItemsOf(column).value(item);
        cells[column - 1].Back = QString::number(item);
    }
    storeRow(channel, cells);
}

TChannelRead TChannelTable::ReadChannel(int channel, TChannel& values) const
{
    if (!HoldsChannel(channel))
        return TChannelRead::Empty;
    const std::optional<double> rx = ReadFrequency(Cell(channel, ColRx).Fore);
    const QString txText = Cell(channel, ColTx).Fore.trimmed();
    const std::optional<double> tx = txText.isEmpty() ? -1.0 : ReadFrequency(txText);
    if (!rx || !tx)
        return TChannelRead::Invalid;
    int TChannel::*const listMembers[] = {&TChannel::Power, &TChannel::Bandwidth,
                                          &TChannel::ScanAdd, &TChannel::BeatShift,
                                          &TChannel::BusyLockout};
    TChannel read;
    for (int column = ColPower; column <= ColBusyLockout; ++column) {
        const std::optional<int> item = ReadInteger(Cell(channel, column).Back);
        if (!item)
            return TChannelRead::Invalid;
        read.*listMembers[column - ColPower] = *item;
    }
    read.Rx = *rx;
    read.Tx = *tx;
    read.Decode = ToneOfCell(Cell(channel, ColDecode).Fore, m_texts.None);
    read.Encode = ToneOfCell(Cell(channel, ColEncode).Fore, m_texts.None);
    values = read;
    return TChannelRead::Channel;
}

void TChannelTable::TakeStagedChannels(const std::vector<std::optional<TChannel>>& staged)
{
    BulkUpdate bulk(*this);
    ResetChannelRows();
    m_all.Modified = true;
    const int count = std::min(ChannelCount(), static_cast<int>(staged.size()));
    for (int channel = 1; channel <= count; ++channel) {
        if (staged[static_cast<size_t>(channel - 1)])
            StoreChannel(channel, *staged[static_cast<size_t>(channel - 1)]);
    }
}

void TChannelTable::SetCell(int channel, int column, const QString& fore, const QString& back)
{
    TRowCells cells = rowOf(channel);
    cells[column - 1].Fore = fore;
    cells[column - 1].Back = back;
    storeRow(channel, cells);
}

void TChannelTable::storeRow(int channel, const TRowCells& cells)
{
    m_rows.at(static_cast<size_t>(channel - 1)) = cells;
    if (m_bulkDepth > 0) {
        m_bulkDirty = true;
        return;
    }
    emit dataChanged(index(channel - 1, 0), index(channel - 1, ChannelColumnCount - 1));
}

TChannelTable::BulkUpdate::BulkUpdate(TChannelTable& table) : m_table(table)
{
    ++m_table.m_bulkDepth;
}

TChannelTable::BulkUpdate::~BulkUpdate()
{
    if (--m_table.m_bulkDepth > 0 || !m_table.m_bulkDirty)
        return;
    m_table.m_bulkDirty = false;
    if (m_table.ChannelCount() > 0)
        emit m_table.dataChanged(m_table.index(0, 0),
                                 m_table.index(m_table.ChannelCount() - 1, ChannelColumnCount - 1));
}
