// The UTF-8 <-> UTF-16 conversions for code above the platform layer, under their plain names.
// They live in platform/TextInput.h (one implementation); this header only brings them in.
#pragma once

#include "platform/TextInput.h"

using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;
