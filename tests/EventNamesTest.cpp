// The events' one name table: the scene's queue carries names and the frame tick turns them back
// into values, so every name must lead to its own event and nothing else may lead anywhere.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/names/EventNames.h"

TEST(EventNamesTest, EveryNameLeadsBackToItsOwnEventAndNamesAreDistinct) {
    std::set<std::string> seen;
    for (const ScreenEventName& row : kScreenEventNames) {
        EXPECT_TRUE(seen.insert(row.name).second) << "two events named " << row.name;
        EXPECT_STREQ(EventName(row.event), row.name);
        const std::optional<ScreenEvent> back = EventNamed(row.name);
        ASSERT_TRUE(back.has_value()) << row.name;
        EXPECT_EQ(*back, row.event) << row.name;
    }
}

TEST(EventNamesTest, NearMissesNameNoEvent) {
    const std::string name = EventName(ScreenEvent::MainMenuAfterUserName);
    for (const std::string& miss : {std::string(), name + " ", name.substr(0, name.size() - 1),
                                    std::string("EKRAN_GLOWNY PO USERNAME WJAZD"), name + '\0'}) {
        EXPECT_FALSE(EventNamed(miss).has_value()) << '"' << miss << '"';
    }
}
