// Dialog resource 2003 as the executable carries it: the template the
// configuration dialog is built from, control by control, and (when a MinGW
// resource compiler is installed) byte for byte what windres makes of the
// same script, in every language.
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
// English stands where Windows looks when the user's language is not among
// the dialog's: English (United States).
constexpr WORD kLanguageEnglishUs = 0x0409;

// The template FindResourceA gives a process of the locale.
std::vector<uint8_t> EmbeddedTemplate(const char* locale = "en") {
    posix::SetResourceLocale(locale);
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(kConfigDialogId), RT_DIALOG);
    if (found == nullptr) return {};
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
    posix::SetResourceLocale("");
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, found));
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

TEST(ConfigDialogResourceTest, EveryLanguageHasTheSameControlsInItsOwnWords) {
    const auto english = posix::ParseDialogTemplate(EmbeddedTemplate().data(), EmbeddedTemplate().size());
    ASSERT_TRUE(english.has_value());
    const struct {
        const char* locale;
        const char* caption;
        const char* cancel;
        const char* everyMonitor;
    } cases[] = {
        {"de", "Quib Advent Bildschirmschoner", "Abbrechen", "Kalender auf jedem Bildschirm zeigen"},
        {"pl", "Wygaszacz ekranu Quib Advent", "Anuluj", "Pokaż kalendarz na każdym monitorze"},
        {"cs", "Spořič obrazovky Quib Advent", "Storno", "Zobrazit kalendář na každém monitoru"},
        {"fr", "Écran de veille Quib Advent", "Annuler", "Afficher le calendrier sur chaque écran"},
        {"da", "Quib Advent-pauseskærm", "Annuller", "Vis kalenderen på hver skærm"},
        {"es", "Protector de pantalla Quib Advent", "Cancelar", "Mostrar el calendario en cada monitor"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const std::vector<uint8_t> bytes = EmbeddedTemplate(c.locale);
        const auto t = posix::ParseDialogTemplate(bytes.data(), bytes.size());
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(t->caption, c.caption);
        ASSERT_EQ(t->items.size(), english->items.size());
        for (size_t i = 0; i < t->items.size(); ++i) {
            EXPECT_EQ(t->items[i].id, english->items[i].id);
            EXPECT_EQ(t->items[i].style, english->items[i].style);
            EXPECT_EQ(t->items[i].x, english->items[i].x);
            EXPECT_EQ(t->items[i].y, english->items[i].y);
            EXPECT_EQ(t->items[i].cx, english->items[i].cx);
            EXPECT_EQ(t->items[i].cy, english->items[i].cy);
        }
        EXPECT_EQ(t->cy, english->cy);
        EXPECT_EQ(t->items[2].text, c.everyMonitor);
        EXPECT_EQ(t->items[5].text, c.cancel);
        EXPECT_EQ(Lines(t->items[7].text).front(), t->caption) << "the about text opens with the name";
    }
}

TEST(ConfigDialogResourceTest, TheEmbeddedTemplateIsExactlyWhatWindresCompiles) {
#ifdef QUIBAC_WINDRES_RES
    const std::vector<testing::ResEntry> entries = testing::ReadResFile(QUIBAC_WINDRES_RES);
    const testing::ResEntry* dialog = testing::FindRes(entries, 5, kConfigDialogId, kLanguageEnglishUs);
    ASSERT_NE(dialog, nullptr) << "windres compiled dialog 2003 in English";
    EXPECT_EQ(EmbeddedTemplate(), dialog->data);
    // And every other language's, UTF-8 of the script turned into the
    // template's UTF-16 as windres turns it.
    int languages = 0;
    for (const testing::ResEntry& e : entries) {
        if (!e.typeIsId || e.typeId != 5 || !e.nameIsId || e.nameId != kConfigDialogId) continue;
        ++languages;
        const WORD primary = PRIMARYLANGID(e.language);
        const char* locales[] = {"cs", "da", "de", "en", "es", "fr", "it", "nl", "nb", "pl", "sv"};
        const char* locale = nullptr;
        for (const char* l : locales)
            if (posix::PrimaryLanguageOfLocale(l) == primary) locale = l;
        ASSERT_NE(locale, nullptr) << "a dialog in language " << e.language;
        EXPECT_EQ(EmbeddedTemplate(locale), e.data) << locale;
    }
    EXPECT_EQ(languages, 11);
#else
    GTEST_SKIP() << "no MinGW resource compiler was found when the build was configured";
#endif
}

}  // namespace
}  // namespace quibac
