#include "settings/MessageText.h"

#include <gtest/gtest.h>

TEST(MessageText, TheRuleKeepsSpacesDigitsAndLettersAToZ)
{
    EXPECT_EQ(MessageCharacters(QStringLiteral("Az 09,-._\t\u00e9\u4e2dQ")), "Az 09Q");
    EXPECT_TRUE(MessageLineFault(QString(32, 'a')).isEmpty());
    EXPECT_TRUE(MessageLineFault(QString()).isEmpty());
    EXPECT_EQ(MessageLineFault(QString(33, 'a')), "33 characters, at most 32 fit");
    EXPECT_EQ(MessageLineFault(QStringLiteral("AB-C")), "character 3 (\"-\") is not a space, a digit or a letter A to Z");
}
