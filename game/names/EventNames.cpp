#include "game/names/EventNames.h"

std::optional<ScreenEvent> EventNamed(const std::string& name) {
    for (const ScreenEventName& row : kScreenEventNames) {
        if (name == row.name) return row.event;
    }
    return std::nullopt;
}
