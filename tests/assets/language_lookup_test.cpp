// The saver asks for its resources by name alone, as on Windows; the platform
// hands it those of the process's locale, read from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, and English where the locale's language has none.
#include "assets/bitmap_assets.h"
#include "assets/dib_rle8.h"
#include "assets/resource_names.h"
#include "flic/flic_player.h"
#include "support/platform_fixture.h"

#include <posix_control.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>

namespace quibac {
namespace {

std::vector<uint8_t> ReadAsset(const std::string& name) {
    std::ifstream in(std::string(QUIBAC_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

constexpr const char* kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// Sets the locale variables for one test and puts them back after it.
class LanguageLookupTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        for (const char* name : kLocaleVariables) {
            const char* value = std::getenv(name);
            saved_[name] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(name);
        }
        posix::SetResourceLocale("");
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        posix::SetResourceLocale("");
        PlatformTest::TearDown();
    }
    static void Set(const char* name, const char* value) { setenv(name, value, 1); }

    // The dates animation the saver loads, as FlicLoad finds it.
    static std::vector<uint8_t> LoadedDates() {
        FlicPlayer player;
        if (!FlicLoad(player, kDatesFlic)) return {};
        return std::vector<uint8_t>(player.Data.data(), player.Data.data() + player.Data.size());
    }
    // The file a language's dates animation was embedded from.
    static std::vector<uint8_t> DatesFileOf(const std::string& code) {
        return ReadAsset(code == "en" ? "datesflic.flc" : code + "/datesflic.flc");
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(LanguageLookupTest, EachLocaleGetsItsLanguagesHeaderFrames) {
    const struct {
        const char* variable;
        const char* value;
        const char* language;
    } cases[] = {
        {"LANG", "de_DE.UTF-8", "de"},
        {"LANG", "pl_PL.UTF-8", "pl"},
        {"LANG", "fi_FI.UTF-8", "en"},  // a language the saver does not speak
        {"LANG", "xx_YY", "en"},        // nor any language at all
        {"LC_MESSAGES", "cs_CZ.UTF-8", "cs"},
        {"LC_ALL", "nb_NO.UTF-8", "nb"},
        {"LANG", "nn_NO.UTF-8", "nb"},  // Nynorsk readers read Bokmål
        {"LANG", "de_AT.UTF-8", "de"},  // any country's German
        {"LANG", "C.UTF-8", "en"},
    };
    const std::vector<uint8_t> english = DatesFileOf("en");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.variable) + "=" + c.value);
        Set(c.variable, c.value);
        const std::vector<uint8_t> loaded = LoadedDates();
        const std::vector<uint8_t> expected = DatesFileOf(c.language);
        ASSERT_FALSE(expected.empty());
        EXPECT_TRUE(loaded == expected) << "expected " << c.language << "'s header frames";
        if (std::string(c.language) != "en") {
            EXPECT_FALSE(loaded == english);
        }
        unsetenv(c.variable);
    }
}

TEST_F(LanguageLookupTest, TheVariablesAreReadInGettextsOrder) {
    const struct {
        const char* language;  // LANGUAGE
        const char* all;       // LC_ALL
        const char* messages;  // LC_MESSAGES
        const char* lang;      // LANG
        const char* expected;
    } cases[] = {
        {"", "pl_PL.UTF-8", "cs_CZ.UTF-8", "de_DE.UTF-8", "pl"},  // LC_ALL over the others
        {"", "", "cs_CZ.UTF-8", "de_DE.UTF-8", "cs"},             // LC_MESSAGES over LANG
        {"it:de", "", "", "fr_FR.UTF-8", "it"},                   // LANGUAGE's first first
        {"fi:da", "", "", "fr_FR.UTF-8", "da"},                   // then the next the saver speaks
        {"fi", "", "", "fr_FR.UTF-8", "fr"},                      // then the locale's own
        {"de", "", "", "C", "en"},                                // the C locale ignores LANGUAGE
        {"de", "", "", "", "en"},                                 // as does no locale at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("LANGUAGE=") + c.language + " LC_ALL=" + c.all + " LC_MESSAGES=" + c.messages +
                     " LANG=" + c.lang);
        const char* values[] = {c.language, c.all, c.messages, c.lang};
        for (size_t i = 0; i < std::size(kLocaleVariables); ++i) {
            if (*values[i] != '\0')
                Set(kLocaleVariables[i], values[i]);
            else
                unsetenv(kLocaleVariables[i]);
        }
        EXPECT_TRUE(LoadedDates() == DatesFileOf(c.expected)) << "expected " << c.expected;
    }
}

TEST_F(LanguageLookupTest, WordedPicturesFollowTheLanguageAndTheRestIsShared) {
    Set("LANG", "pl_PL.UTF-8");
    auto assets = std::make_unique<BitmapAssets>();
    LoadSceneBitmaps(posix::MainModule(), *assets);
    // The English captions as their file holds them (rows bottom-up after
    // the file and info headers and the colour table), with the Polish
    // file's changes drawn over them.
    const std::vector<uint8_t> englishFile = ReadAsset("quotes.bmp");
    const std::vector<uint8_t> polishFile = ReadAsset("pl/quotes.bmp");
    const size_t pixels = 14 + 40 + 1024;
    ASSERT_EQ(englishFile.size(), pixels + assets->QuoteStrip.size());
    ASSERT_GT(polishFile.size(), pixels);
    std::vector<uint8_t> expected(assets->QuoteStrip.size());
    for (int32_t row = 0; row < kQuoteStripHeight; ++row)
        std::copy_n(englishFile.begin() + long(pixels + size_t(kQuoteStripHeight - 1 - row) * kQuoteStripWidth),
                    kQuoteStripWidth, expected.begin() + long(size_t(row) * kQuoteStripWidth));
    const std::vector<uint8_t> english = expected;
    DecodeRle8(ByteView(polishFile.data() + pixels, polishFile.size() - pixels), expected.data(), kQuoteStripWidth,
               kQuoteStripHeight);
    EXPECT_FALSE(expected == english);
    EXPECT_TRUE(std::equal(assets->QuoteStrip.begin(), assets->QuoteStrip.end(), expected.begin()));
    // The door pictures and the walker exist once, for every language.
    const std::pair<const char*, LPCSTR> shared[] = {
        {kAdventFlic, kFlicResourceType}, {kWalkAnim, RT_BITMAP}, {kWinkAnim, RT_BITMAP}};
    for (const auto& [name, type] : shared) {
        HRSRC polishOne = FindResourceA(posix::MainModule(), name, type);
        Set("LANG", "de_DE.UTF-8");
        HRSRC germanOne = FindResourceA(posix::MainModule(), name, type);
        Set("LANG", "pl_PL.UTF-8");
        EXPECT_NE(polishOne, nullptr) << name;
        EXPECT_EQ(polishOne, germanOne) << name;
    }
}

TEST_F(LanguageLookupTest, APinnedLocaleOverridesTheEnvironment) {
    Set("LANG", "de_DE.UTF-8");
    posix::SetResourceLocale("sv");
    EXPECT_TRUE(LoadedDates() == DatesFileOf("sv"));
    posix::SetResourceLocale("");
    EXPECT_TRUE(LoadedDates() == DatesFileOf("de"));
}

TEST_F(LanguageLookupTest, TheModuleSpeaksElevenLanguagesAndSharesTheRest) {
    const std::vector<WORD> languages = posix::ResourceLanguages(posix::MainModule());
    for (const char* code : {"en", "de", "fr", "nl", "sv", "da", "nb", "pl", "cs", "es", "it"}) {
        const WORD primary = posix::PrimaryLanguageOfLocale(code);
        EXPECT_NE(primary, LANG_NEUTRAL) << code;
        EXPECT_NE(std::find(languages.begin(), languages.end(), primary), languages.end()) << code;
    }
    EXPECT_NE(std::find(languages.begin(), languages.end(), WORD(LANG_NEUTRAL)), languages.end());
    EXPECT_EQ(posix::PrimaryLanguageOfLocale("xx"), LANG_NEUTRAL);
    EXPECT_EQ(posix::PrimaryLanguageOfLocale(""), LANG_NEUTRAL);
    EXPECT_EQ(posix::PrimaryLanguageOfLocale("de_CH.UTF-8@euro"), LANG_GERMAN);
}

// The choice itself, over resources made for the purpose: neutral first, then
// the locale's, then English, then the lowest language.
TEST_F(LanguageLookupTest, AResourceInSomeLanguagesIsChosenAsWindowsChooses) {
    HMODULE module = posix::CreateResourceModule();
    auto add = [&](const char* name, WORD language, uint8_t mark) {
        posix::AddResource(module, RT_BITMAP, name, {mark}, language);
    };
    add("NEUTRAL", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), 0);
    add("NEUTRAL", MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL), 1);
    add("NOENGLISH", MAKELANGID(LANG_POLISH, SUBLANG_NEUTRAL), 2);
    add("NOENGLISH", MAKELANGID(LANG_CZECH, SUBLANG_NEUTRAL), 3);
    add("BOTH", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 4);
    add("BOTH", MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL), 5);
    auto mark = [&](const char* name) {
        HRSRC found = FindResourceA(module, name, RT_BITMAP);
        return found == nullptr ? -1 : int(*static_cast<const uint8_t*>(LockResource(LoadResource(module, found))));
    };
    Set("LANG", "de_DE.UTF-8");
    EXPECT_EQ(mark("NEUTRAL"), 0) << "what every language shares is found first";
    EXPECT_EQ(mark("BOTH"), 5);
    EXPECT_EQ(mark("NOENGLISH"), 3) << "neither German nor English: the lowest language";
    Set("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(mark("BOTH"), 4) << "English for a language there is none of";
    Set("LANG", "pl_PL.UTF-8");
    EXPECT_EQ(mark("NOENGLISH"), 2);
    EXPECT_EQ(mark("MISSING"), -1);

    // Asked for a language: that one, else as FindResourceA chooses for a
    // user of it; the neutral language asks for the user's.
    auto markIn = [&](const char* name, WORD language) {
        HRSRC found = FindResourceExA(module, RT_BITMAP, name, language);
        return found == nullptr ? -1 : int(*static_cast<const uint8_t*>(LockResource(LoadResource(module, found))));
    };
    EXPECT_EQ(markIn("BOTH", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)), 4);
    EXPECT_EQ(markIn("BOTH", MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL)), 5);
    EXPECT_EQ(markIn("BOTH", MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT)), 5) << "another German";
    EXPECT_EQ(markIn("BOTH", MAKELANGID(LANG_FRENCH, SUBLANG_DEFAULT)), 4) << "English for a language there is none of";
    EXPECT_EQ(markIn("NEUTRAL", MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL)), 1);
    EXPECT_EQ(markIn("NOENGLISH", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)), 2) << "the user's (Polish)";
    EXPECT_EQ(markIn("MISSING", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)), -1);
    posix::DestroyResourceModule(module);
}

}  // namespace
}  // namespace quibac
