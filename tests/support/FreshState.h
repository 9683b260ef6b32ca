#pragma once
// A fresh start-up state in a private program folder, for tests.

#include "app/Startup.h"
#include "channels/ChannelTable.h"
#include "codeplug/GlobalState.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class FreshStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        DataModuleCreate(AppPath());
    }
    QString AppPath() const { return folder.path() + '/'; }

    // A model of the catalog and one of its bands in force, every channel empty, nothing modified.
    static void UseModel(const char* model, const char* band)
    {
        const TMacType* chosen = theMacList().FindByName(QString::fromLatin1(model));
        ASSERT_NE(chosen, nullptr) << model;
        SetCurrentModel(theAll(), *chosen);
        ASSERT_TRUE(SetBand(theAll(), QString::fromLatin1(band))) << band;
        theChannels().ResetChannelRows();
        theAll().Modified = false;
    }

    QTemporaryDir folder;
};
