#include "locale/IniFile.h"

#include "codeplug/ReadFile.h"
#include "codeplug/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>
#include <vector>

// The file is handled as bytes and only names and values are decoded. That is safe for both
// encodings: line breaks, blanks, ';', '=' and quotes never occur inside a multi-byte character
// of UTF-8 or GBK (GBK trail bytes are 0x40 and above). A GBK trail byte can be ']', so the end
// of a section name is looked for character by character.

namespace {

constexpr qsizetype MaxValueBytes = 2047;
// Language and settings files are a few kilobytes; a larger file is no such file.
constexpr qint64 MaxFileBytes = 1 << 20;
const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimBlanks(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

QString decode(QByteArrayView bytes, bool gbk)
{
    QStringDecoder decoder = gbk ? QStringDecoder("GBK") : QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

bool sameName(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// In GBK a byte from 0x81 up leads a two-byte character (a lead byte that ends the text stands
// alone).
qsizetype gbkCharWidth(QByteArrayView bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes[at]) >= 0x81 && at + 1 < bytes.size() ? 2 : 1;
}

qsizetype indexOfAscii(QByteArrayView bytes, char c, bool gbk)
{
    if (!gbk)
        return bytes.indexOf(c);
    for (qsizetype at = 0; at < bytes.size(); at += gbkCharWidth(bytes, at)) {
        if (bytes[at] == c)
            return at;
    }
    return -1;
}

// The longest front of the value that fits the limit without splitting a character.
QByteArrayView cutValue(QByteArrayView value, bool gbk)
{
    if (value.size() <= MaxValueBytes)
        return value;
    qsizetype end = 0;
    if (gbk) {
        while (end < value.size() && end + gbkCharWidth(value, end) <= MaxValueBytes)
            end += gbkCharWidth(value, end);
    } else {
        end = MaxValueBytes;
        while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
            --end;
    }
    return value.first(end);
}

QByteArrayView unquote(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// Reads the whole file; a missing file gives no bytes. False only when the file exists but
// cannot be read or is too large.
// A missing file reads as empty; anything else that cannot be read is a failure.
bool readFile(const QString& path, QByteArray& bytes, QString* reason, bool* tooLarge)
{
    const TReadStatus status = ReadRegularFile(path, MaxFileBytes, bytes, *reason);
    *tooLarge = status == TReadStatus::TooLarge;
    return status == TReadStatus::Read || status == TReadStatus::Missing;
}

QByteArray lineBreakOf(const QByteArray& bytes)
{
    const qsizetype newline = bytes.indexOf('\n');
    return newline > 0 && bytes[newline - 1] == '\r' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

std::optional<QByteArray> encode(const QString& text, bool gbk)
{
    QStringEncoder encoder = gbk ? QStringEncoder("GBK") : QStringEncoder(QStringEncoder::Utf8);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

bool hasLineBreak(const QString& text)
{
    return text.contains('\n') || text.contains('\r');
}

} // namespace

std::vector<TIniFile::TLine> TIniFile::ParseLines(const QByteArray& bytes, bool gbk)
{
    std::vector<TLine> lines;
    qsizetype begin = bytes.startsWith(Utf8Bom) ? Utf8Bom.size() : 0;
    while (begin < bytes.size()) {
        TLine line;
        const qsizetype newline = bytes.indexOf('\n', begin);
        line.next = newline < 0 ? bytes.size() : newline + 1;
        line.contentEnd = newline < 0 ? bytes.size() : newline;
        if (line.contentEnd > begin && bytes[line.contentEnd - 1] == '\r')
            --line.contentEnd;

        const QByteArrayView content = QByteArrayView(bytes).sliced(begin, line.contentEnd - begin);
        const QByteArrayView trimmed = trimBlanks(content);
        const qsizetype equals = content.indexOf('=');
        if (trimmed.isEmpty()) {
            line.kind = TLine::Blank;
        } else if (trimmed.front() == '[') {
            line.kind = TLine::Section;
            const QByteArrayView inside = trimmed.sliced(1);
            const qsizetype close = indexOfAscii(inside, ']', gbk);
            line.name = decode(trimBlanks(close < 0 ? inside : inside.first(close)), gbk);
        } else if (trimmed.front() == ';' || equals < 0) {
            line.kind = TLine::Other;
        } else {
            line.kind = TLine::Entry;
            line.name = decode(trimBlanks(content.first(equals)), gbk);
            line.valueBegin = begin + equals + 1;
            while (line.valueBegin < line.contentEnd && isBlank(bytes[line.valueBegin]))
                ++line.valueBegin;
        }
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

TIniFile::TKeyPlace TIniFile::FindKey(const std::vector<TLine>& lines, const QString& section, const QString& key)
{
    TKeyPlace place;
    for (size_t i = 0; i < lines.size(); ++i) {
        const TLine& line = lines[i];
        if (!place.section) {
            if (line.kind == TLine::Section && sameName(line.name, section)) {
                place.section = i;
                place.lastContent = i;
            }
            continue;
        }
        if (line.kind == TLine::Section)
            break;
        if (line.kind != TLine::Blank)
            place.lastContent = i;
        if (line.kind == TLine::Entry && sameName(line.name, key)) {
            place.entry = i;
            break;
        }
    }
    return place;
}

void TIniFile::Take(QByteArray bytes)
{
    m_bytes = std::move(bytes);
    // Judged on the whole text: a UTF-8 file cut inside a character is no valid UTF-8.
    m_gbk = !QByteArrayView(m_bytes).isValidUtf8();
    m_lines = ParseLines(m_bytes, m_gbk);
}

TIniFile::TIniFile(QString path) : m_path(std::move(path))
{
    QByteArray bytes;
    QString ignored;
    readFile(m_path, bytes, &ignored, &m_tooLarge);
    Take(std::move(bytes));
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const TKeyPlace place = FindKey(m_lines, section, key);
    if (!place.entry)
        return defaultValue;
    const TLine& line = m_lines[*place.entry];
    const QByteArrayView raw = QByteArrayView(m_bytes).sliced(line.valueBegin, line.contentEnd - line.valueBegin);
    return decode(cutValue(unquote(trimBlanks(raw)), m_gbk), m_gbk);
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_path), reason);
        return false;
    };
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
        return fail(QStringLiteral("a line break cannot be stored in a setting"));

    // Start from the file as it is now, so nothing written meanwhile is lost; a file that exists
    // but cannot be read must not be replaced.
    QByteArray bytes;
    QString reason;
    if (!readFile(m_path, bytes, &reason, &m_tooLarge))
        return fail(reason);
    Take(bytes);

    const std::optional<QByteArray> encodedSection = encode(section, m_gbk);
    const std::optional<QByteArray> encodedKey = encode(key, m_gbk);
    const std::optional<QByteArray> encodedValue = encode(value, m_gbk);
    if (!encodedSection || !encodedKey || !encodedValue)
        return fail(QStringLiteral("the text cannot be written in the file's encoding (GBK)"));

    const QByteArray lineBreak = lineBreakOf(bytes);
    const QByteArray entry = *encodedKey + '=' + *encodedValue;
    const TKeyPlace place = FindKey(m_lines, section, key);
    // A text added after a last line that has no line break starts with one.
    const auto insertLines = [&](qsizetype at, const QByteArray& text) {
        const bool openLastLine = at == bytes.size() && !bytes.isEmpty() && !bytes.endsWith('\n');
        bytes.insert(at, (openLastLine ? lineBreak : QByteArray()) + text);
    };
    if (place.entry) {
        const TLine& line = m_lines[*place.entry];
        bytes.replace(line.valueBegin, line.contentEnd - line.valueBegin, *encodedValue);
    } else if (place.section) {
        insertLines(m_lines[place.lastContent].next, entry + lineBreak);
    } else {
        insertLines(bytes.size(), '[' + *encodedSection + ']' + lineBreak + entry + lineBreak);
    }

    if (!ReplaceFileContent(m_path, bytes, reason))
        return fail(reason);
    Take(std::move(bytes));
    return true;
}
