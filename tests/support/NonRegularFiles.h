#pragma once
// Paths that hold no regular file, for tests of saves that must leave them alone: a device node,
// a FIFO and a folder with a file in it. The device is a null device made in the folder; where
// the test may not make one, the system's /dev/null stands in.

#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <vector>

struct TSpecialFile {
    const char* Kind;
    QString Path;
    mode_t Type;  // S_IFCHR, S_IFIFO or S_IFDIR

    // The path holds the same kind of thing as before, and a folder still its file.
    bool Unchanged() const
    {
        struct stat status {};
        if (::lstat(QFile::encodeName(Path).constData(), &status) != 0 || (status.st_mode & S_IFMT) != Type)
            return false;
        return Type != S_IFDIR || QFile::exists(Path + "/inside.txt");
    }
};

inline std::vector<TSpecialFile> MakeSpecialFiles(const QString& folder)
{
    const QString device = folder + "/device.dat";
    const QString fifo = folder + "/fifo.dat";
    const QString directory = folder + "/folder.dat";
    const bool ownDevice = ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    EXPECT_TRUE(QDir(folder).mkdir("folder.dat"));
    QFile inside(directory + "/inside.txt");
    EXPECT_TRUE(inside.open(QIODevice::WriteOnly));
    return {
        {"device node", ownDevice ? device : QStringLiteral("/dev/null"), S_IFCHR},
        {"FIFO", fifo, S_IFIFO},
        {"folder", directory, S_IFDIR},
    };
}
