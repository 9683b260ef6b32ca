#pragma once
// A program folder with the shipped language files and a UHF codeplug whose channels 2 and 4
// are programmed and 3 is empty, with settings that show every kind of value: a list entry, a
// value without entry, a first list item that is translated, ticked and unticked boxes (one of
// them holding 2) and a VOX level.

#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"
#include "locale/ProgramFolderTest.h"
#include "print/PrintData.h"

#include <QFile>
#include <ostream>

inline void PrintTo(const TPrintLine& line, std::ostream* out)
{
    *out << line.TypeID << " [" << line.TypeName.toStdString() << "] [" << line.AField.toStdString() << "] ["
         << line.AValue.toStdString() << "] [" << line.BField.toStdString() << "] [" << line.BValue.toStdString()
         << "]";
}

// The shipped language files and settings file, put beside the program.
inline void CopyShippedLanguageFiles(const QString& appPath)
{
    for (const char* file : {"English.Ini", "Chinese.Ini", "SysInfo.Ini"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(K640_RESOURCES_DIR "/") + file, appPath + file)) << file;
}

class PrintFixture : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyShippedLanguageFiles(AppPath());
        DataModuleCreate(AppPath());
        SetCurrentModel(theAll(), *theMacList().FindByCode("6641"));
        SetBand(theAll(), "450 - 470MHz");
        theChannels().ResetChannelRows();
    }

    static void ProgramSampleCodeplug()
    {
        TChannelTable& table = theChannels();
        table.StoreChannel(2, {462.5625, 467.5625, "", "D023N", 1, 0, 1, 0, 1});
        table.StoreChannel(4, {450.0, 450.0, "67.0", "", 0, 1, 0, 1, 0});
        TFun& fun = theFun();
        fun.SideKey = 4;    // no entry: shown as its number
        fun.TxTimeout = 0;  // "Off", the one translated item of its list
        fun.Squelch = 3;
        fun.VoxFun = 1;
        fun.VoxLevel = 2;   // shown as 3
        fun.BattSave = 2;   // not 1: unticked
    }
};
