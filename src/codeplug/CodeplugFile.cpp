#include "codeplug/CodeplugFile.h"

#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"
#include "codeplug/ReadFile.h"
#include "codeplug/ReplaceFile.h"
#include "codeplug/RowCodec.h"
#include "locale/MsgBox.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int MessageRowCount = 4;
constexpr int BitmapFlagsPerRow = 128;
constexpr int ChannelsWithoutBitmaps = 16;
// Far beyond the longest layout: a larger file is no codeplug and is not read at all.
constexpr qint64 MostBytesRead = 1 << 20;

// Gap rows written between the last channel and settings row 2: G - 1, none when G is 1 or less.
int GapFillRows(int gapRows)
{
    return std::max(gapRows - 1, 0);
}

void Append(QByteArray& image, const TRow& row)
{
    image.append(reinterpret_cast<const char*>(row.data()), CodeplugRowSize);
}

TRow RowAt(const QByteArray& image, int index)
{
    TRow row;
    std::copy_n(image.constData() + qsizetype(index) * CodeplugRowSize, CodeplugRowSize, row.begin());
    return row;
}

// Three digits of each band edge, "450470" for 450 - 470 MHz.
QString BandDigits(const TALL& all)
{
    const auto threeDigits = [](double edge) {
        return QStringLiteral("%1").arg(qRound(edge), 3, 10, QLatin1Char('0'));
    };
    return threeDigits(all.BandMinFreq) + threeDigits(all.BandMaxFreq);
}

TFileResult Fail(TFileStatus status, const QString& message)
{
    MsgBox(theLanguage().Confirmation, message, MsgInformation);
    return {status, message};
}

TFileResult FailDamaged(const QString& path)
{
    return Fail(TFileStatus::Damaged, theLanguage().FileDamaged.arg(path));
}

// Everything a file holds, decoded but not yet applied.
struct TDecodedFile {
    const TMacType* Model = nullptr;
    QString Stamp;
    std::vector<std::optional<TChannel>> Channels;  // entry k - 1 is channel k
    TFun Fun;
    TEnMsg Message;
    int BandCode = 0;
    QString ModelCode;  // from the band row
};

// Decodes the rows after the header; the image is known to be long enough.
void DecodeRows(const QByteArray& image, TDecodedFile& file)
{
    int index = 1;
    for (int channel = 1; channel <= file.Model->ChannelCount; ++channel) {
        TChannel values;  // afresh for each row: nothing carries over from the previous channel
        if (TBWriteRead::DecodeChannel(RowAt(image, index++), values))
            file.Channels.emplace_back(values);
        else
            file.Channels.emplace_back(std::nullopt);
    }
    index += GapFillRows(file.Model->GapRows);
    TBWriteRead::DecodeSettings2(RowAt(image, index++), file.Fun);
    QString parts[MessageRowCount];
    for (QString& part : parts)
        part = TBWriteRead::DecodeMessage(RowAt(image, index++));
    file.Message.Line1 = parts[0] + parts[1];
    file.Message.Line2 = parts[2] + parts[3];
    TBWriteRead::DecodeSettings1(RowAt(image, index++), file.Fun);
    file.BandCode = TBWriteRead::DecodeBand(RowAt(image, index), file.ModelCode);
}

void Apply(const TDecodedFile& file)
{
    TALL& all = theAll();
    all.FileStamp = file.Stamp;
    SetCurrentModel(all, *file.Model);
    TChannelTable& table = theChannels();
    table.ResetChannelRows();
    {
        TChannelTable::BulkUpdate bulk(table);
        for (int channel = 1; channel <= int(file.Channels.size()); ++channel)
            if (const auto& values = file.Channels[size_t(channel - 1)])
                table.StoreChannel(channel, *values);
    }
    theFun() = file.Fun;
    theEnMsg() = file.Message;
    // The band row's model code stands, even where it differs from the header's.
    all.ModelCode = file.ModelCode;
    SetBand(all, theFrqList().TextOf(file.BandCode));
    all.Modified = false;
}

} // namespace

int CodeplugFileRowCount(int channelCount, int gapRows)
{
    const int bitmapRows = channelCount > ChannelsWithoutBitmaps ? 4 : 0;
    // header, channels, gap, settings 2, message, settings 1, band, bitmaps
    return 1 + channelCount + GapFillRows(gapRows) + 1 + MessageRowCount + 1 + 1 + bitmapRows;
}

bool EncodeChannelRows(const TChannelTable& table, int count, TChannelRows& rows, int& badChannel)
{
    rows = {};
    TRow row;
    for (int channel = 1; channel <= count; ++channel) {
        TChannel values;
        switch (table.ReadChannel(channel, values)) {
        case TChannelRead::Invalid:
            badChannel = channel;
            return false;
        case TChannelRead::Empty:
            TBWriteRead::BlankRow(row);
            rows.ChannelBits += '0';
            rows.ScanBits += '0';
            break;
        case TChannelRead::Channel:
            TBWriteRead::EncodeChannel(row, values);
            rows.ChannelBits += '1';
            rows.ScanBits += values.ScanAdd == 1 ? '1' : '0';
            break;
        }
        Append(rows.Rows, row);
    }
    return true;
}

bool BuildCodeplugFileImage(const QDateTime& stamp, QByteArray& image, TChannelRows& channels,
                            QString& reason)
{
    const TALL& all = theAll();
    const TChannelTable& table = theChannels();
    if (!all.CurModel) {
        reason = QStringLiteral("no model is chosen");
        return false;
    }
    const int count = all.ChannelCount;
    if (table.ChannelCount() != count) {
        reason = QStringLiteral("the channel table holds %1 channels, the model %2")
                     .arg(table.ChannelCount()).arg(count);
        return false;
    }
    int badChannel = 0;
    if (!EncodeChannelRows(table, count, channels, badChannel)) {
        reason = QStringLiteral("channel %1 holds a frequency that is not a number").arg(badChannel);
        return false;
    }

    image.clear();
    image.reserve(CodeplugFileRowCount(count, all.CurModel->GapRows) * CodeplugRowSize);
    TRow row;
    TBWriteRead::EncodeHeader(row, stamp.toString(QStringLiteral("yyyy-MM-dd HH:mm")), BandDigits(all),
                              QStringLiteral("P") + all.ModelCode);
    Append(image, row);
    image.append(channels.Rows);
    TBWriteRead::BlankRow(row);
    for (int gap = 0; gap < GapFillRows(all.CurModel->GapRows); ++gap)
        Append(image, row);
    TBWriteRead::EncodeSettings2(row, theFun());
    Append(image, row);
    const TEnMsg& message = theEnMsg();
    for (const QString& part : {message.Line1.left(16), message.Line1.mid(16, 16),
                                message.Line2.left(16), message.Line2.mid(16, 16)}) {
        TBWriteRead::EncodeMessage(row, part);
        Append(image, row);
    }
    TBWriteRead::EncodeSettings1(row, theFun());
    Append(image, row);
    TBWriteRead::EncodeBand(row, theFrqList().CodeOf(all.BandText), all.ModelCode);
    Append(image, row);
    if (count > ChannelsWithoutBitmaps) {
        for (const QString& bits : {channels.ChannelBits, channels.ScanBits})
            for (int first = 0; first < 2 * BitmapFlagsPerRow; first += BitmapFlagsPerRow) {
                TBWriteRead::EncodeBitmap(row, bits.mid(first, BitmapFlagsPerRow));
                Append(image, row);
            }
    }
    return true;
}

TFileResult WriteCodeplugFile(const QString& path)
{
    QByteArray image;
    TChannelRows channels;
    QString reason;
    // Only a file that was there can be said to be left unchanged.
    const QString& failure = QFileInfo::exists(path) ? theLanguage().FileSaveError
                                                     : theLanguage().FileCreateError;
    if (!BuildCodeplugFileImage(QDateTime::currentDateTime(), image, channels, reason))
        return Fail(TFileStatus::InvalidChannel, failure.arg(path, reason));

    if (!ReplaceFileContent(path, image, reason))
        return Fail(TFileStatus::CannotSave, failure.arg(path, reason));

    TALL& all = theAll();
    all.ChannelBits = channels.ChannelBits;
    all.ScanBits = channels.ScanBits;
    all.Modified = false;
    return {};
}

TFileResult ReadCodeplugFile(const QString& path)
{
    QByteArray image;
    QString reason;
    const TReadStatus read = ReadRegularFile(path, MostBytesRead, image, reason);
    if (read == TReadStatus::TooLarge)
        return FailDamaged(path);
    if (read != TReadStatus::Read)
        return Fail(TFileStatus::CannotOpen, theLanguage().FileOpenError.arg(path, reason));

    if (image.size() < CodeplugRowSize)
        return FailDamaged(path);
    const THeader header = TBWriteRead::DecodeHeader(RowAt(image, 0));
    TDecodedFile file;
    file.Stamp = header.Stamp;
    file.Model = theMacList().FindByCode(header.ModelText.mid(1).trimmed());
    if (!file.Model) {
        // The stamp is taken before the model is checked; nothing else changes.
        theAll().FileStamp = header.Stamp;
        return Fail(TFileStatus::UnknownModel, theLanguage().ModError);
    }
    if (image.size() < qsizetype(CodeplugFileRowCount(file.Model->ChannelCount, file.Model->GapRows)) * CodeplugRowSize)
        return FailDamaged(path);

    file.Fun = theFun();
    DecodeRows(image, file);
    Apply(file);
    return {};
}
