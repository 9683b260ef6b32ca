#pragma once
// INI files with the profile-string rules of the files this program shares with its users:
// case-insensitive section and key lookup, the caller's default for anything missing, values cut
// after 2047 bytes, and writing one key leaves every other byte of the file as it was.
// Files are read as UTF-8 when they are valid UTF-8, otherwise as GBK.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class TIniFile {
public:
    // Reads the file once; a missing or unreadable file, and one larger than 1 MiB, reads as
    // empty.
    explicit TIniFile(QString path);

    const QString& Path() const { return m_path; }
    // The file was refused for its size when last read; it is never written then either.
    bool TooLarge() const { return m_tooLarge; }

    // The value of the first matching key in the first matching section, blanks around it
    // removed; the default when the file, section or key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

    // Replaces the key's value in the file as it is now on disk, or adds the key (and the
    // section, and the file) when missing, in the file's encoding and line-break style. The file
    // is replaced atomically, so a failure leaves it as it was. On failure gives false and
    // "<path>: <the system's reason>" in *error.
    bool WriteString(const QString& section, const QString& key, const QString& value,
                     QString* error = nullptr);

private:
    // One line of the file: where it lies in the bytes and what it holds.
    struct TLine {
        enum Kind { Blank, Section, Entry, Other };
        Kind kind = Other;
        qsizetype contentEnd = 0; // before the line break
        qsizetype next = 0;       // first byte of the next line
        QString name;             // section or key name
        qsizetype valueBegin = 0; // first byte of the value, blanks skipped
    };
    // Where a key is, or where it would go.
    struct TKeyPlace {
        std::optional<size_t> section; // the section's header line
        std::optional<size_t> entry;   // the key's line
        size_t lastContent = 0;        // the section's last non-blank line
    };
    static std::vector<TLine> ParseLines(const QByteArray& bytes, bool gbk);
    static TKeyPlace FindKey(const std::vector<TLine>& lines, const QString& section, const QString& key);
    void Take(QByteArray bytes);

    QString m_path;
    QByteArray m_bytes;         // the file as it is on disk
    bool m_gbk = false;         // the file is not valid UTF-8
    bool m_tooLarge = false;
    std::vector<TLine> m_lines; // parsed once, looked up many times by the form translation
};
