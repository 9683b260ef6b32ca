#pragma once
// The rules of the batch editor, without its widgets: a run of channels filled from start
// frequencies and a step, every channel with the same tones, lists and flags.

#include "codeplug/RowCodec.h"

#include <QString>
#include <QStringList>

class TChannelTable;
struct TALL;

struct TBatchInput {
    QString Rx;                 // start frequencies as typed, MHz
    QString Tx;
    QString Step = QStringLiteral("25.0");  // one of BatchSteps(), kHz
    bool Descending = false;
    bool AllChannels = true;    // else the range From..To
    int From = 1;
    int To = 1;
    TChannel Values;            // tones, power, bandwidth and flags of every channel; its
                                // frequencies are not used
};

// The step list: "25.0", "12.5", "6.25", "5.00" (kHz).
const QStringList& BatchSteps();

// Checks the inputs, showing at most one message: a start frequency that is not a number
// ("ErrRange"); for a range, From after To ("FChBigT") and start frequencies beyond the model's
// limits ("ErrRange"). Filling all channels clamps the start frequencies instead.
bool ValidateBatch(const TALL& all, const TBatchInput& input);

// Writes the run into the table with one notification and sets Modified. The running RX and TX
// move by the step from channel to channel, held silently at the model's limits; each channel
// stores them snapped onto the raster.
void FillChannels(TChannelTable& table, TALL& all, const TBatchInput& input);
