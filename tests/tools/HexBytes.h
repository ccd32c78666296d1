// The bytes that the test tools take on their command lines as hex digits.
#pragma once
#include <cstdlib>
#include <string>

inline std::string BytesFromHex(const char* hex)
{
    std::string bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
        const char pair[3] = {hex[i], hex[i + 1], 0};
        bytes.push_back(static_cast<char>(std::strtoul(pair, nullptr, 16)));
    }
    return bytes;
}
