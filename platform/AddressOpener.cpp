// See AddressOpener.h.
#include "platform/AddressOpener.h"

#include <unistd.h>

namespace platform {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Undoes %XX escapes; a malformed escape stays as written.
std::string PercentDecoded(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            plain += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

}  // namespace

std::string FindProgram(const std::string& program, const std::string& searchPath) {
    size_t start = 0;
    while (start <= searchPath.size()) {
        size_t end = searchPath.find(':', start);
        if (end == std::string::npos) end = searchPath.size();
        const std::string folder = end > start ? searchPath.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return "";
}

std::string NoOpenerLine(const std::string& address) {
    const std::string scheme = "file://";
    const std::string what = address.compare(0, scheme.size(), scheme) == 0
                                 ? PercentDecoded(address.substr(scheme.size()))
                                 : address;
    return "lexaDRILL: no program to open pages is installed (" + std::string(kAddressOpener) +
           "); open it yourself: " + what;
}

}  // namespace platform
