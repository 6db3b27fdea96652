// Any bytes as a KVTML file: the reader must neither crash nor break its own promises (every
// card has a prompt and an answer within the field cap, no more cards than the cap, no empty lesson,
// titles within their cap).
#include <cstdint>
#include <cstdlib>

#include "formats/WordListImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WordListImport list = ReadWordList("list.kvtml", data, size);
    if (list.refused != list.lessons.empty() || list.CardCount() > kMaxImportedCards) std::abort();
    if (list.leftOut.size() > kMaxListedReasons || list.leftOut.size() > list.leftOutCount) std::abort();
    if (list.title.size() > kMaxListTitleUnits) std::abort();
    for (const ImportedLesson& lesson : list.lessons) {
        if (lesson.cards.empty() || lesson.title.size() > kMaxListTitleUnits) std::abort();
        for (const ImportedCard& card : lesson.cards) {
            if (card.prompt.empty() || card.answer.empty() || card.prompt.size() > kMaxImportedFieldBytes)
                std::abort();
        }
    }
    DescribeImport("list.kvtml", list, list.lessons.size());
    return 0;
}
