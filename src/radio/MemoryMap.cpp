#include "radio/MemoryMap.h"

namespace {

constexpr int RowSize = 16;
constexpr std::uint16_t Settings2Address = 0x02B0;
constexpr std::uint16_t FirstBitmapAddress = 0x02C0;

std::uint16_t RowAddress(int row)
{
    return static_cast<std::uint16_t>(RowSize * row);
}

} // namespace

std::vector<TMapRow> MemoryMap(int channelCount, int gapRows, bool withBitmaps)
{
    std::vector<TMapRow> rows{{TRowKind::First, 0, 0}};
    for (int channel = 1; channel <= channelCount; ++channel)
        rows.push_back({TRowKind::Channel, channel, RowAddress(channel)});
    // The gap rows are neither read nor written.
    const int firstMessageRow = channelCount + gapRows + 1;
    for (int part = 0; part < MessageRowCount; ++part)
        rows.push_back({TRowKind::Message, part, RowAddress(firstMessageRow + part)});
    rows.push_back({TRowKind::Settings1, 0, RowAddress(firstMessageRow + MessageRowCount)});
    rows.push_back({TRowKind::Band, 0, RowAddress(firstMessageRow + MessageRowCount + 1)});
    rows.push_back({TRowKind::Settings2, 0, Settings2Address});
    if (withBitmaps) {
        for (int part = 0; part < BitmapRowCount; ++part)
            rows.push_back({TRowKind::Bitmap, part,
                            static_cast<std::uint16_t>(FirstBitmapAddress + RowSize * part)});
    }
    return rows;
}
