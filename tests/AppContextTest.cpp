#include <gtest/gtest.h>

#include "game/state/AppContext.h"

TEST(AppContext, EveryPathStartsAtTheExecutableFolder) {
    const AppContext context("/opt/games/lexa drill/");
    EXPECT_EQ(context.exeDirNarrow, "/opt/games/lexa drill/");
    EXPECT_EQ(context.exeDir, u"/opt/games/lexa drill/");
    EXPECT_EQ(context.wordFilePath, "/opt/games/lexa drill/data/words_free.enc");
    EXPECT_EQ(context.infoPicturePath, "/opt/games/lexa drill/gfx/infoscreen_free.jpg");
    EXPECT_EQ(context.nativeFlagPath, "/opt/games/lexa drill/gfx/flag uk.jpg");
    EXPECT_EQ(context.foreignFlagPath, "/opt/games/lexa drill/gfx/flag spain.jpg");
    EXPECT_EQ(context.topics[6].picturePath, "/opt/games/lexa drill/gfx/tem/fruits and vegatales.jpg");
}

TEST(AppContext, FolderWithoutSlashAndNonAsciiNames) {
    const AppContext context("/home/\xC5\x82ucja/gra");
    EXPECT_EQ(context.exeDirNarrow, "/home/\xC5\x82ucja/gra/");
    EXPECT_EQ(context.exeDir, u"/home/\u0142ucja/gra/");
    EXPECT_EQ(context.wordFilePath, "/home/\xC5\x82ucja/gra/data/words_free.enc");
}

TEST(AppContext, TwelveTopicsOfThirtyWords) {
    const AppContext context("/g/");
    const char16_t* titles[] = {u"constructions",
                                u"human body 1",
                                u"time",
                                u"food and drink 1",
                                u"places 1",
                                u"house 1",
                                u"fruits and vegetables",
                                u"travel",
                                u"utilities 1",
                                u"nature 1",
                                u"clothing 1",
                                u"look"};
    ASSERT_EQ(context.topicCount, 12);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(context.topics[i].title, titles[i]);
        EXPECT_EQ(context.topics[i].firstWord, 30 * i);
        EXPECT_EQ(context.topics[i].lastWord, 30 * i + 30);
    }
    EXPECT_EQ(context.topics[0].picturePath, "/g/gfx/tem/constructions.jpg");
    EXPECT_EQ(context.topics[11].picturePath, "/g/gfx/tem/look.jpg");
    EXPECT_TRUE(context.topics[12].title.empty());
    EXPECT_TRUE(context.topics[12].picturePath.empty());
}
