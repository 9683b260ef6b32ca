#pragma once
// The codeplug file (.dat): a plain sequence of 16-byte rows, header first, then the channels,
// the gap, the settings, the message, the band and (beyond 16 channels) the bitmaps.
//
// Open reads and checks the whole file before any of it reaches the codeplug, so a bad file
// changes nothing. Save builds every row first and writes them to a temporary file beside the
// target, which then replaces the target, so a failed save never destroys the previous file.

#include <QByteArray>
#include <QString>

class QDateTime;
class TChannelTable;

enum class TFileStatus {
    Done,
    UnknownModel,    // the header names no model of the catalog
    Damaged,         // shorter than its model's layout
    CannotOpen,      // the system refused to open or read the file
    CannotSave,      // creating, writing or replacing the file failed
    InvalidChannel,  // a channel row could not be read from the table; nothing was written
};

// Every failure is also shown with MsgBox; Message is the text shown.
struct TFileResult {
    TFileStatus Status = TFileStatus::Done;
    QString Message;

    bool Ok() const { return Status == TFileStatus::Done; }
};

constexpr int CodeplugRowSize = 16;

// Rows of the file of a model with this channel count and gap row count.
int CodeplugFileRowCount(int channelCount, int gapRows);

// The channel rows 1..count of the table, with the flags "1"/"0" per channel that they imply.
struct TChannelRows {
    QByteArray Rows;
    QString ChannelBits;  // "1" channel in use
    QString ScanBits;     // "1" channel in use with scan add value 1
};
// Gives false, and the number of the offending channel, when a row cannot be read.
bool EncodeChannelRows(const TChannelTable& table, int count, TChannelRows& rows, int& badChannel);

// The whole file of the current codeplug, stamped with the given time. Gives false and a reason
// when the codeplug cannot be saved as it is.
bool BuildCodeplugFileImage(const QDateTime& stamp, QByteArray& image, TChannelRows& channels,
                            QString& reason);

// Writes the current codeplug to path, creating or replacing the file; clears TALL::Modified
// and rebuilds ChannelBits/ScanBits only on success.
TFileResult WriteCodeplugFile(const QString& path);

// Loads the file at path into the codeplug (model, band, channels, settings, message) and
// clears TALL::Modified. On any failure the codeplug stays as it was.
TFileResult ReadCodeplugFile(const QString& path);
