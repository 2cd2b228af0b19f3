// Dialog resource 2003 as the executable carries it: the template the
// configuration dialog is built from, control by control, and (when a MinGW
// resource compiler is installed) byte for byte what windres makes of the
// same script.
#include "settings/config_dialog.h"
#include "support/res_file.h"
#include "support/resource_bytes.h"

#include <posix_control.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace quibac {
namespace {

constexpr DWORD kDialogStyle = 0x80C800C0;  // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT
constexpr DWORD kRuleStyle = 0x50000005;    // WS_CHILD | WS_VISIBLE | SS_GRAYRECT
constexpr WORD kLanguageEnglishUk = 0x0809;

std::vector<uint8_t> EmbeddedTemplate() {
    return testing::ResourceBytes(nullptr, RT_DIALOG, MAKEINTRESOURCEA(kConfigDialogId));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back().push_back(c);
    }
    return lines;
}

TEST(ConfigDialogResourceTest, TheTemplateHoldsTheDialogControlByControl) {
    const std::vector<uint8_t> bytes = EmbeddedTemplate();
    ASSERT_FALSE(bytes.empty()) << "dialog 2003 is embedded";
    const auto t = posix::ParseDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->style, kDialogStyle);
    EXPECT_EQ(t->exStyle, 0u);
    EXPECT_EQ(t->x, 0);
    EXPECT_EQ(t->y, 0);
    EXPECT_EQ(t->cx, 234);
    EXPECT_EQ(t->cy, 136);
    EXPECT_EQ(t->menu, "");
    EXPECT_EQ(t->className, "") << "the platform's dialog class";
    EXPECT_FALSE(t->caption.empty());
    EXPECT_EQ(t->caption.find('\n'), std::string::npos) << "one line";
    EXPECT_TRUE(t->hasFont);
    EXPECT_EQ(t->pointSize, 8);
    EXPECT_EQ(t->typeface, "MS Sans Serif");

    const struct {
        int id;
        const char* className;
        DWORD style;
        int x, y, cx, cy;
        const char* text;  // nullptr: checked separately
    } expected[] = {
        {IDOK, "Button", 0x50010001, 177, 7, 50, 14, "OK"},
        {kStretchBox, "Button", 0x50010103, 49, 20, 81, 10, "Stretch to fullscreen"},
        {kEveryMonitorBox, "Button", 0x50010103, 49, 119, 178, 10, "Show the calendar on every monitor"},
        {-1, "Static", kRuleStyle, 7, 7, 155, 1, ""},
        {-1, "Static", kRuleStyle, 7, 111, 155, 1, ""},
        {IDCANCEL, "Button", 0x50010000, 177, 24, 50, 14, "Cancel"},
        {-1, "Static", kRuleStyle, 7, 42, 155, 1, ""},
        {-1, "Static", 0x50020001, 7, 52, 155, 51, nullptr},
    };
    ASSERT_EQ(t->items.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const posix::DialogItemInfo& item = t->items[i];
        SCOPED_TRACE("control " + std::to_string(i + 1));
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_STRCASEEQ(item.className.c_str(), expected[i].className);
        EXPECT_EQ(item.style, expected[i].style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, expected[i].x);
        EXPECT_EQ(item.y, expected[i].y);
        EXPECT_EQ(item.cx, expected[i].cx);
        EXPECT_EQ(item.cy, expected[i].cy);
        if (expected[i].text != nullptr) {
            EXPECT_EQ(item.text, expected[i].text);
        }
        EXPECT_EQ(item.creationDataSize, 0u);
    }
}

TEST(ConfigDialogResourceTest, TheAboutTextIsSixLinesTwoOfThemEmptyNamingTheProduct) {
    const std::vector<uint8_t> bytes = EmbeddedTemplate();
    const auto t = posix::ParseDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(t.has_value());
    ASSERT_EQ(t->items.size(), 8u);
    const std::vector<std::string> lines = Lines(t->items[7].text);
    ASSERT_EQ(lines.size(), 6u) << t->items[7].text;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string()), 2);
    EXPECT_EQ(lines.front(), t->caption) << "it opens with the product's name";
    for (const std::string& line : lines)
        EXPECT_LE(line.size(), 36u) << "fits the 155-unit column on one line: " << line;
}

TEST(ConfigDialogResourceTest, TheEmbeddedTemplateIsExactlyWhatWindresCompiles) {
#ifdef QUIBAC_WINDRES_RES
    const std::vector<testing::ResEntry> entries = testing::ReadResFile(QUIBAC_WINDRES_RES);
    const testing::ResEntry* dialog = testing::FindRes(entries, 5, kConfigDialogId);
    ASSERT_NE(dialog, nullptr) << "windres compiled dialog 2003";
    EXPECT_EQ(dialog->language, kLanguageEnglishUk);
    EXPECT_EQ(EmbeddedTemplate(), dialog->data);
#else
    GTEST_SKIP() << "no MinGW resource compiler was found when the build was configured";
#endif
}

}  // namespace
}  // namespace quibac
