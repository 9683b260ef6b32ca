#pragma once
// The rules of the channel editor, without its widgets: a form over one channel of the channel
// table. The table's row is the only store; every change is written into it at once, and the form
// always shows what the row holds.

#include "codeplug/RowCodec.h"

class TChannelTable;
struct TALL;

// What the form shows of a channel.
struct TChannelForm {
    bool HoldsChannel = false;  // it has an RX frequency: everything below RX can be edited
    TChannel Values;            // Rx is meaningless without a channel; Tx -1 is no TX frequency
    bool operator==(const TChannelForm&) const = default;
};

class TChannelEditor {
public:
    TChannelEditor(TChannelTable& table, TALL& all);

    int Channel() const { return m_channel; }
    const TChannelForm& Form() const { return m_form; }

    // Shows a channel, its number held to 1..ChannelCount. Writes nothing.
    void LoadChannel(int channel);

    // The user's entries. Frequencies pass CheckFrequency (which may warn) and SnapFrequency.
    // A text that is not a number is reported with "ErrRange" and changes nothing; then the
    // result is false.
    // An RX frequency makes the channel (a new one takes the form's values, and TX as RX when
    // it has none); an empty RX empties the row and resets the form.
    bool SetRx(const QString& text);
    // The rest changes only a channel (an RX frequency first). An empty TX leaves the channel
    // without TX frequency and without encode tone.
    bool SetTx(const QString& text);
    // A tone of column 4 or 5, empty for none.
    void SetTone(int column, const QString& tone);
    // The item index of a list column, 6 to 10 ("Scan Add" and the other flags: 0 Yes, 1 No).
    void SetItem(int column, int item);

private:
    // The values of an empty channel; the power stays as it is.
    void resetForm();
    // Writes the form into the row: a channel, or an empty row.
    void applyChannel();

    TChannelTable& m_table;
    TALL& m_all;
    int m_channel = 1;
    TChannelForm m_form;
};

// The item index of a flag's check box: 0 ("Yes") when checked, 1 ("No") when not.
inline int FlagItem(bool checked) { return checked ? 0 : 1; }
