// How large each kind of file the game reads may be. Every limit is many times the largest such
// file the game ships or writes, so a real one (a teacher's long word list, a big photograph as a
// topic picture) always fits, while a file past it (or a device, a pipe) cannot make the game read
// without end or hold more than a few hundred megabytes. A file past its limit is treated as a
// missing one of its kind.
#pragma once

#include <cstddef>

struct FileLimit {
    const char* kind;  // named in the line that reports a refused file
    size_t maxBytes;
};

// Shipped: 15 KB for 360 lines. 8 MB holds some 200 000 lines of prompt and answer.
constexpr FileLimit kWordListLimit{"word list", 8u << 20};
// Four bytes per word of one topic (30 words, 120 bytes); 64 KB is a topic of 16 384 words.
constexpr FileLimit kRepetitionFileLimit{"repetition file", 64u << 10};
// One topic of an own list: 30 cards of two fields of at most 4096 units (some 500 KB at most).
constexpr FileLimit kOwnTopicCountsLimit{"counts file", 1u << 20};
// Ten bytes per card and four per practised day: a topic of 16 384 words with its days kept is
// under 170 KB.
constexpr FileLimit kScheduleFileLimit{"schedule file", 256u << 10};
// The game writes at most ten short lines (under 500 bytes); 64 KB is over a hundred times that.
constexpr FileLimit kHallOfFameLimit{"hall of fame", 64u << 10};
// Shipped models are under 32 KB; 8 MB holds a mesh of 65 535 vertices and triangles, the most
// the format's counts can name, with room for its groups and materials.
constexpr FileLimit kModelLimit{"model", 8u << 20};
// Shipped pictures are under 150 KB; 32 MB holds the largest photograph a camera writes as a
// JPEG, or an uncompressed TGA of the largest picture size below.
constexpr FileLimit kPictureLimit{"picture", 32u << 20};
// The shipped icon is 64 x 64 at 32 bits (16 KB); 1 MB holds the largest icon size below.
constexpr FileLimit kIconLimit{"window icon", 1u << 20};

// What decoding one picture may cost. A picture wider or taller than maxSide is decoded scaled
// down to fit (a JPEG, by eighths, down to one eighth) or refused; a JPEG whose decoding needs more
// than maxJpegWorkBytes of libjpeg's working memory (a progressive file holds all its
// coefficients) is refused.
struct PictureLimits {
    int maxSide;
    long maxJpegWorkBytes;
};
// Pictures are drawn no larger than the play window (1536 x 921 on a 1920 x 1080 desktop), so no
// texture needs more than 2048 pixels a side; 96 MB of working memory decodes a progressive
// 4000 x 3000 photograph.
constexpr PictureLimits kPictureLimits{2048, 96L << 20};
// Desktops show window icons at 256 x 256 at most.
constexpr int kMaxIconSide = 256;
