#include "rc_symbols.h"

#include <map>

namespace resembed {

std::optional<uint32_t> LookupSymbol(const std::string& name) {
    static const std::map<std::string, uint32_t> symbols = {
        // window styles
        {"WS_OVERLAPPED", 0x00000000},
        {"WS_POPUP", 0x80000000},
        {"WS_CHILD", 0x40000000},
        {"WS_MINIMIZE", 0x20000000},
        {"WS_VISIBLE", 0x10000000},
        {"WS_DISABLED", 0x08000000},
        {"WS_CLIPSIBLINGS", 0x04000000},
        {"WS_CLIPCHILDREN", 0x02000000},
        {"WS_MAXIMIZE", 0x01000000},
        {"WS_CAPTION", 0x00C00000},
        {"WS_BORDER", 0x00800000},
        {"WS_DLGFRAME", 0x00400000},
        {"WS_VSCROLL", 0x00200000},
        {"WS_HSCROLL", 0x00100000},
        {"WS_SYSMENU", 0x00080000},
        {"WS_THICKFRAME", 0x00040000},
        {"WS_GROUP", 0x00020000},
        {"WS_TABSTOP", 0x00010000},
        {"WS_MINIMIZEBOX", 0x00020000},
        {"WS_MAXIMIZEBOX", 0x00010000},
        // extended window styles
        {"WS_EX_DLGMODALFRAME", 0x00000001},
        {"WS_EX_TOPMOST", 0x00000008},
        {"WS_EX_TRANSPARENT", 0x00000020},
        {"WS_EX_TOOLWINDOW", 0x00000080},
        {"WS_EX_CLIENTEDGE", 0x00000200},
        {"WS_EX_CONTEXTHELP", 0x00000400},
        {"WS_EX_STATICEDGE", 0x00020000},
        {"WS_EX_APPWINDOW", 0x00040000},
        // dialog styles
        {"DS_ABSALIGN", 0x0001},
        {"DS_SYSMODAL", 0x0002},
        {"DS_3DLOOK", 0x0004},
        {"DS_FIXEDSYS", 0x0008},
        {"DS_NOFAILCREATE", 0x0010},
        {"DS_LOCALEDIT", 0x0020},
        {"DS_SETFONT", 0x0040},
        {"DS_MODALFRAME", 0x0080},
        {"DS_NOIDLEMSG", 0x0100},
        {"DS_SETFOREGROUND", 0x0200},
        {"DS_CONTROL", 0x0400},
        {"DS_CENTER", 0x0800},
        {"DS_CENTERMOUSE", 0x1000},
        {"DS_CONTEXTHELP", 0x2000},
        // button styles
        {"BS_PUSHBUTTON", 0x0000},
        {"BS_DEFPUSHBUTTON", 0x0001},
        {"BS_CHECKBOX", 0x0002},
        {"BS_AUTOCHECKBOX", 0x0003},
        {"BS_RADIOBUTTON", 0x0004},
        {"BS_3STATE", 0x0005},
        {"BS_AUTO3STATE", 0x0006},
        {"BS_GROUPBOX", 0x0007},
        {"BS_AUTORADIOBUTTON", 0x0009},
        {"BS_LEFTTEXT", 0x0020},
        {"BS_LEFT", 0x0100},
        {"BS_RIGHT", 0x0200},
        {"BS_CENTER", 0x0300},
        {"BS_TOP", 0x0400},
        {"BS_BOTTOM", 0x0800},
        {"BS_VCENTER", 0x0C00},
        {"BS_MULTILINE", 0x2000},
        {"BS_NOTIFY", 0x4000},
        {"BS_FLAT", 0x8000},
        // static styles
        {"SS_LEFT", 0x0000},
        {"SS_CENTER", 0x0001},
        {"SS_RIGHT", 0x0002},
        {"SS_ICON", 0x0003},
        {"SS_BLACKRECT", 0x0004},
        {"SS_GRAYRECT", 0x0005},
        {"SS_WHITERECT", 0x0006},
        {"SS_BLACKFRAME", 0x0007},
        {"SS_GRAYFRAME", 0x0008},
        {"SS_WHITEFRAME", 0x0009},
        {"SS_SIMPLE", 0x000B},
        {"SS_LEFTNOWORDWRAP", 0x000C},
        {"SS_BITMAP", 0x000E},
        {"SS_ETCHEDHORZ", 0x0010},
        {"SS_ETCHEDVERT", 0x0011},
        {"SS_ETCHEDFRAME", 0x0012},
        {"SS_NOPREFIX", 0x0080},
        {"SS_NOTIFY", 0x0100},
        {"SS_CENTERIMAGE", 0x0200},
        {"SS_SUNKEN", 0x1000},
        // dialog box command ids
        {"IDOK", 1},
        {"IDCANCEL", 2},
        {"IDC_STATIC", 0xFFFFFFFF},
        // languages
        {"LANG_NEUTRAL", 0x00},
        {"LANG_ENGLISH", 0x09},
        {"SUBLANG_NEUTRAL", 0x00},
        {"SUBLANG_DEFAULT", 0x01},
        {"SUBLANG_ENGLISH_US", 0x01},
        {"SUBLANG_ENGLISH_UK", 0x02},
    };
    auto found = symbols.find(name);
    if (found == symbols.end()) return std::nullopt;
    return found->second;
}

}  // namespace resembed
