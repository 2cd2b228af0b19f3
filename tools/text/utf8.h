// UTF-8 text as code points, for the host tools that turn the resource set's
// texts into glyphs (the art generator) and into UTF-16 (resembed).
#pragma once

#include <string>

namespace text {

// False, with out left partly filled, for bytes that are not UTF-8.
inline bool DecodeUtf8(const std::string& in, std::u32string& out) {
    for (size_t i = 0; i < in.size();) {
        const auto lead = static_cast<unsigned char>(in[i]);
        const int extra = lead < 0x80             ? 0
                          : (lead & 0xE0) == 0xC0 ? 1
                          : (lead & 0xF0) == 0xE0 ? 2
                          : (lead & 0xF8) == 0xF0 ? 3
                                                  : -1;
        if (extra < 0 || i + size_t(extra) >= in.size()) return false;
        char32_t c = extra == 0 ? lead : char32_t(lead & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(in[i + size_t(k)]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(c);
        i += size_t(extra) + 1;
    }
    return true;
}

}  // namespace text
