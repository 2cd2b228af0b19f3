// Dialog statements compiled into classic DLGTEMPLATE resources, byte for
// byte as windres compiles them: little-endian words, UTF-16 texts, each
// control on a 4-byte boundary, class names as upper-case strings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resembed {

struct DialogControl {
    std::string text;
    bool textIsOrdinal = false;  // an icon or bitmap id instead of text
    uint16_t textOrdinal = 0;
    uint16_t id = 0;
    std::string className;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogDefinition {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    uint16_t pointSize = 0;  // written when style has DS_SETFONT
    std::string typeface;
    std::vector<DialogControl> controls;
};

// Throws ScriptError for texts that are not UTF-8 (the parser lets only
// ASCII through from scripts without a code page) and for more controls than
// a template can count.
std::vector<uint8_t> CompileDialog(const DialogDefinition& dialog);

}  // namespace resembed
