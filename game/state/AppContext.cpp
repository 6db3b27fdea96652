#include "game/state/AppContext.h"

#include "unicode/Utf8Utf16.h"

namespace {

struct TopicRow {
    const char16_t* title;
    int32_t firstWord;
    int32_t lastWord;
    const char16_t* pictureStem = nullptr;  // when it differs from the title
};

// The twelve topics of thirty words each; titles are also the stems of the picture file names,
// except where the stored name's spelling is kept under a corrected title.
constexpr TopicRow kTopics[] = {
    {u"constructions", 0, 30},
    {u"human body 1", 30, 60},
    {u"time", 60, 90},
    {u"food and drink 1", 90, 120},
    {u"places 1", 120, 150},
    {u"house 1", 150, 180},
    {u"fruits and vegetables", 180, 210, u"fruits and vegatales"},
    {u"travel", 210, 240},
    {u"utilities 1", 240, 270},
    {u"nature 1", 270, 300},
    {u"clothing 1", 300, 330},
    {u"look", 330, 360},
};

}  // namespace

AppContext::AppContext(const std::string& folder) {
    exeDirNarrow = folder;
    if (exeDirNarrow.empty() || exeDirNarrow.back() != '/') exeDirNarrow.push_back('/');
    exeDir = Utf8ToUtf16(exeDirNarrow);

    for (const TopicRow& row : kTopics) {
        TopicInfo& topic = topics[topicCount++];
        topic.title = row.title;
        const std::u16string stem = row.pictureStem ? row.pictureStem : row.title;
        topic.picturePath = exeDirNarrow + "gfx/tem/" + Utf16ToUtf8(stem) + ".jpg";
        topic.firstWord = row.firstWord;
        topic.lastWord = row.lastWord;
    }
    wordFilePath = exeDirNarrow + "data/words_free.enc";
    nativeFlagPath = exeDirNarrow + "gfx/flag uk.jpg";
    foreignFlagPath = exeDirNarrow + "gfx/flag spain.jpg";
    infoPicturePath = exeDirNarrow + "gfx/infoscreen_free.jpg";
}
