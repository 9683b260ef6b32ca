#pragma once
// The radio's memory as the transfers exchange it: which 16-byte row lies at which address, in
// the order the rows travel. Read and write share it; only the write adds the bitmap rows.

#include <cstdint>
#include <vector>

enum class TRowKind {
    First,      // row 0: read and ignored, written blank
    Channel,    // Index: channel 1..N
    Message,    // Index 0..3: line 1 characters 1-16, 17-32, line 2 characters 1-16, 17-32
    Settings1,
    Band,
    Settings2,  // written with the settings write request
    Bitmap,     // Index 0..3: in-use flags 1-128, 129-256, scan flags 1-128, 129-256
};

struct TMapRow {
    TRowKind Kind = TRowKind::First;
    int Index = 0;
    std::uint16_t Address = 0;

    bool operator==(const TMapRow&) const = default;
};

constexpr int MessageRowCount = 4;
constexpr int BitmapRowCount = 4;
constexpr int BitmapFlagsPerRow = 128;

// The rows of a model with channelCount channels and gapRows unused rows after them.
std::vector<TMapRow> MemoryMap(int channelCount, int gapRows, bool withBitmaps);
