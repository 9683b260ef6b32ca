#pragma once
// A fresh start-up state in a private program folder, for tests.

#include "app/Startup.h"

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

    QTemporaryDir folder;
};
