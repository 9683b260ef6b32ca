#pragma once
// Fresh start-up state in a private program folder, plus the files a test puts beside the
// program (language files, SysInfo.Ini) and the language in force.

#include "codeplug/GlobalState.h"
#include "support/FreshState.h"
#include "support/TestFiles.h"

class ProgramFolderTest : public FreshStateTest {
protected:
    // Writes name (e.g. "English.Ini") into the program folder, UTF-8.
    void WriteProgramFile(const QString& name, const QString& text)
    {
        WriteTestFile(AppPath() + name, text.toUtf8());
    }

    void UseLanguage(const QString& name, int index)
    {
        theAll().LanguageName = name;
        theAll().LanguageIndex = index;
    }
};
