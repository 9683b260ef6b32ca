#include "locale/IniFile.h"
// PLACEHOLDER: to be replaced by the real implementation.
TIniFile::TIniFile(QString path) : m_path(std::move(path)) {}
QString TIniFile::ReadString(const QString&, const QString&, const QString& d) const { return d; }
bool TIniFile::WriteString(const QString&, const QString&, const QString&, QString*) { return false; }
