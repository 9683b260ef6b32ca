#pragma once
// INI files with the profile-string rules of the files this program shares with its users:
// case-insensitive section and key lookup, the caller's default for anything missing, values cut
// after 2047 bytes, and writing one key leaves every other byte of the file as it was.
// Files are read as UTF-8 when they are valid UTF-8, otherwise as GBK.

#include <QByteArray>
#include <QString>

class TIniFile {
public:
    // Reads the file once; a missing or unreadable file reads as empty.
    explicit TIniFile(QString path);

    const QString& Path() const { return m_path; }

    // The value of the first matching key in the first matching section, blanks around it
    // removed; the default when the file, section or key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

    // Replaces the key's value, or adds the key (and the section, and the file) when missing. The
    // file is replaced atomically. On failure gives false and the system's reason in *error.
    bool WriteString(const QString& section, const QString& key, const QString& value,
                     QString* error = nullptr);

private:
    QString m_path;
    QByteArray m_bytes;   // the file as it is on disk
    bool m_gbk = false;   // the file is not valid UTF-8
};
