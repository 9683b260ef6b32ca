#include "codeplug/ReadFile.h"

#include "codeplug/GlobalState.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

TReadStatus ReadRegularFile(const QString& path, qint64 limit, QByteArray& bytes, QString& reason)
{
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists()) {
        reason = QStringLiteral("the file does not exist");
        return TReadStatus::Missing;
    }
    if (!info.isFile()) {
        reason = theLanguage().NotRegularFile;
        return TReadStatus::NotRegular;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return TReadStatus::Failed;
    }
    // One byte more than allowed tells a file that is too large, even one that grows meanwhile.
    QByteArray read = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return TReadStatus::Failed;
    }
    if (read.size() > limit) {
        reason = QStringLiteral("the file is larger than %1")
                     .arg(QLocale::c().formattedDataSize(limit, 0, QLocale::DataSizeIecFormat));
        return TReadStatus::TooLarge;
    }
    bytes = std::move(read);
    return TReadStatus::Read;
}
