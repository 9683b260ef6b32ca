#include "channels/ChannelEditor.h"

#include "channels/ChannelTable.h"
#include "channels/Frequency.h"
#include "codeplug/CodeplugState.h"
#include "codeplug/GlobalState.h"
#include "locale/MsgBox.h"

#include <algorithm>
#include <optional>

namespace {

// A typed frequency through the limit rule and onto the raster; nothing when it is not a number
// (reported with "ErrRange").
std::optional<double> EnteredFrequency(const TALL& all, const QString& text)
{
    const std::optional<double> typed = ReadFrequency(text);
    if (!typed) {
        MsgBox(theLanguage().Caution, theLanguage().ErrRange, MsgInformation);
        return std::nullopt;
    }
    return SnapFrequency(CheckFrequency(all, *typed));
}

} // namespace

TChannelEditor::TChannelEditor(TChannelTable& table, TALL& all) : m_table(table), m_all(all)
{
    // A new channel gets high power until a channel with another power has been shown.
    m_form.Values.Power = 1;
    resetForm();
}

void TChannelEditor::LoadChannel(int channel)
{
    m_channel = std::clamp(channel, 1, std::max(1, m_table.ChannelCount()));
    TChannel values;
    if (m_table.ChannelCount() > 0 && m_table.ReadChannel(m_channel, values) == TChannelRead::Channel) {
        m_form.HoldsChannel = true;
        m_form.Values = values;
    } else {
        resetForm();
    }
}

bool TChannelEditor::SetRx(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        m_form.HoldsChannel = false;
        applyChannel();
        resetForm();
        return true;
    }
    const std::optional<double> rx = EnteredFrequency(m_all, text);
    if (!rx)
        return false;
    m_form.HoldsChannel = true;
    m_form.Values.Rx = *rx;
    if (m_form.Values.Tx < 0)
        m_form.Values.Tx = *rx;
    applyChannel();
    return true;
}

bool TChannelEditor::SetTx(const QString& text)
{
    if (!m_form.HoldsChannel)
        return false;
    if (text.trimmed().isEmpty()) {
        m_form.Values.Tx = -1.0;
        m_form.Values.Encode.clear();
    } else {
        const std::optional<double> tx = EnteredFrequency(m_all, text);
        if (!tx)
            return false;
        m_form.Values.Tx = *tx;
    }
    applyChannel();
    return true;
}

void TChannelEditor::SetTone(int column, const QString& tone)
{
    if (!m_form.HoldsChannel)
        return;
    (column == ColDecode ? m_form.Values.Decode : m_form.Values.Encode) = tone;
    applyChannel();
}

void TChannelEditor::SetItem(int column, int item)
{
    if (!m_form.HoldsChannel || column < ColPower || column > ColBusyLockout)
        return;
    TChannel& values = m_form.Values;
    int* const items[] = {&values.Power, &values.Bandwidth, &values.ScanAdd, &values.BeatShift,
                          &values.BusyLockout};
    *items[column - ColPower] = item;
    applyChannel();
}

void TChannelEditor::resetForm()
{
    const int power = m_form.Values.Power;
    m_form.HoldsChannel = false;
    m_form.Values = TChannel{};
    m_form.Values.Power = power;
    m_form.Values.ScanAdd = m_form.Values.BeatShift = m_form.Values.BusyLockout = FlagItem(false);
}

void TChannelEditor::applyChannel()
{
    if (m_table.ChannelCount() == 0)
        return;
    if (m_form.HoldsChannel)
        m_table.StoreChannel(m_channel, m_form.Values);
    else
        m_table.ClearChannelRow(m_channel);
    m_all.Modified = true;
}
