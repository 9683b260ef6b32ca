#pragma once
// The channel table: the program's only store of memory channels. A Qt table model, so the
// channel grid window can show it, while Save, Open, the transfers, the printout and the
// command-line companion use it without any window.
//
// Channels are numbered from 1 and columns as the user sees them, 1 ("Channel No.") to 10
// ("Busy Lockout"). In the Qt model, row r is channel r + 1 and column c is column c + 1; the
// column titles are the horizontal header.

#include "codeplug/RowCodec.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct TALL;

enum TChannelColumn {
    ColChannel = 1,
    ColRx,
    ColTx,
    ColDecode,
    ColEncode,
    ColPower,
    ColBandwidth,
    ColScanAdd,
    ColBeatShift,
    ColBusyLockout,
};
constexpr int ChannelColumnCount = 10;

// Column widths in pixels and alignment codes (1 left, 2 centre, 3 right), by column 1..10.
extern const int ChannelColumnWidths[ChannelColumnCount];
extern const int ChannelColumnAlignCodes[ChannelColumnCount];

// The texts of the table that follow the language.
struct TChannelTexts {
    QStringList Titles;     // ten column titles
    QString None;           // the None text: first item of the tone list
    QStringList Power;      // "Low", "High"
    QStringList Bandwidth;  // "Wide", "Narrow"
    QStringList YesNo;      // "Yes", "No" (Scan Add, Beat Shift, Busy Lockout)

    static TChannelTexts BuiltIn();
    // The items of a list column (6 to 10).
    const QStringList& ItemsOf(int column) const;
};

// The tone rule of every tone box: empty text or the None text gives the None text, any other text
// NormalizeTone of the trimmed text, with a DCS polarity letter in uppercase (the codec knows only
// "N" and "I").
QString ToneBoxText(const QString& typed, const QString& noneText);

struct TCell {
    QString Fore;   // display text
    QString Back;   // value text
    bool ReadOnly = true;
};

// The cells of one row, columns 1 to 10.
using TRowCells = std::array<TCell, ChannelColumnCount>;

// What a row holds when read for saving or writing.
enum class TChannelRead {
    Empty,    // no RX frequency
    Channel,
    Invalid,  // an RX or TX text that is not a number
};

class TChannelTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        ValueTextRole = Qt::UserRole + 1,  // the cell's value text
        ButtonFaceRole,                    // true for cells painted in the button-face colour
    };

    explicit TChannelTable(TALL& all, QObject* parent = nullptr);

    // Qt model.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Editing RX or TX runs SetForeText.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    int ChannelCount() const { return static_cast<int>(m_rows.size()); }
    const TCell& Cell(int channel, int column) const;
    bool HoldsChannel(int channel) const;   // its RX display text, trimmed, is not empty
    const TChannelTexts& Texts() const { return m_texts; }

    // Exactly ChannelCount empty rows (from TALL); rebuilt when the count changed.
    void ResetChannelRows();
    // Default values for a row that receives its first RX frequency.
    void InitChannelRow(int channel);
    void ClearChannelRow(int channel);

    // The user set the display text of a cell (the grid's set-text event): RX and TX pass the
    // frequency rules, an emptied RX empties the row, a first RX gives the row its defaults. Sets
    // Modified. A frequency that is not a number is reported with "ErrRange" and the cell keeps
    // its previous text; then the result is false.
    bool SetForeText(int channel, int column, const QString& text);

    // An in-place list's value was chosen for a cell: a list column (6..10) takes the item index,
    // a tone column (4, 5) the tone text. Ignored while TALL::GridFilling is set. Sets Modified.
    void ComBoxSetData(int channel, int column, int itemIndex, const QString& text);

    // Relabels the titles, None texts and list captions after a change of language; tones and
    // value texts stay.
    void RetranslateGrid(const TChannelTexts& texts);

    // Stores a whole channel into a row (Open, the copy after a read, the editors): both
    // frequencies, tones (None text where there is none), the five lists, the marker, TX editable.
    void StoreChannel(int channel, const TChannel& values);
    // Reads a row for saving or writing: frequencies and tones from the display texts (None text
    // gives no tone), the lists from the value texts.
    TChannelRead ReadChannel(int channel, TChannel& values) const;

    // The channels read from the radio replace the table: every row emptied, then each staged
    // channel stored (entry k - 1 is channel k; nothing stages an empty channel). Sets Modified.
    void TakeStagedChannels(const std::vector<std::optional<TChannel>>& staged);

    // Sets both texts of a cell as they stand, without any rule (a damaged cell, for instance).
    void SetCell(int channel, int column, const QString& fore, const QString& back);

    // Groups many changes into one notification, as the grid's suspended painting did.
    class BulkUpdate {
    public:
        explicit BulkUpdate(TChannelTable& table);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;
    private:
        TChannelTable& m_table;
    };

private:
    // The one place where a row changes: every operation builds the row's new cells and hands
    // them here, which keeps them and tells the views once (or once for a whole BulkUpdate).
    void storeRow(int channel, const TRowCells& cells);
    const TRowCells& rowOf(int channel) const;
    // Default values for a row that receives its first RX frequency.
    void initCells(TRowCells& cells) const;
    static void clearCells(TRowCells& cells);

    TALL& m_all;
    TChannelTexts m_texts;
    std::vector<TRowCells> m_rows;
    int m_bulkDepth = 0;
    bool m_bulkDirty = false;
};
