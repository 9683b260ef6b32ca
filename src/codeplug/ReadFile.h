#pragma once
// Reading a whole file of bounded size, safely: only a regular file is opened, because a FIFO
// would block the open and a device may never end.

#include <QByteArray>
#include <QString>

enum class TReadStatus { Read, Missing, NotRegular, TooLarge, Failed };

// Reads the file at path (a symbolic link leads to its target) into bytes when it holds at most
// limit bytes. On any other status bytes is empty and reason says why, in the user's language
// where the message table has the text.
TReadStatus ReadRegularFile(const QString& path, qint64 limit, QByteArray& bytes, QString& reason);
