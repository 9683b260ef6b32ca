#pragma once
// Replacing a file's whole content safely: the bytes go to a temporary file beside the target,
// which then takes the target's place, so the path holds either the old or the new content.

#include <QByteArray>
#include <QString>

// Only a regular file is replaced or created; a symbolic link leads to its target. A device, a
// pipe or a folder at the path is refused and left exactly as it is. Gives false with the reason
// when nothing was written.
bool ReplaceFileContent(const QString& path, const QByteArray& bytes, QString& reason);
