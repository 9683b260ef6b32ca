#include "codeplug/ReplaceFile.h"

#include "codeplug/GlobalState.h"

#include <QFileInfo>
#include <QSaveFile>

bool ReplaceFileContent(const QString& path, const QByteArray& bytes, QString& reason)
{
    // The rename would put a regular file in the place of whatever is there.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        reason = theLanguage().NotRegularFile;
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    reason = file.errorString();
    return false;
}
