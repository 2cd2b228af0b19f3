#include "launch_options.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace quibac::linux_sdl {

const char kUsage[] =
    "usage: quibac [/s | /p | /c] [--window] [--date YYYY-MM-DD] [--seed S]\n"
    "       quibac [-root | -window | -window-id ID] [-stretch | -no-stretch] [--date YYYY-MM-DD] [--seed S]\n"
    "  /s            the screen saver, full screen (--window: in a window)\n"
    "  /p            a small preview in a window of its own\n"
    "  /c            the settings dialog (also with no arguments)\n"
    "  -root         as an XScreenSaver hack, on the virtual root or the window\n"
    "                XSCREENSAVER_WINDOW names\n"
    "  -window       as a hack, in a window of its own\n"
    "  -window-id ID as a hack, in the window ID (decimal or 0x hexadecimal)\n"
    "  -stretch, -no-stretch  the Stretch setting\n"
    "  --date YYYY-MM-DD, --seed S  the show of that date, from that seed, as\n"
    "                quibac-render shows it with the same two options\n"
    "  --version     the program's version\n";

namespace {

// Hack options come with one dash or two, as XScreenSaver's own do.
std::string WithoutDashes(const std::string& argument) {
    if (argument.rfind("--", 0) == 0) return argument.substr(2);
    if (argument.rfind("-", 0) == 0) return argument.substr(1);
    return {};
}

// The saver's mode words: "/s", "-s", "/p", "/c:1234" and the like, and the
// decimal window handle that follows a mode letter.
bool IsModeWord(const std::string& argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return false;
    const char letter = char(std::tolower(static_cast<unsigned char>(argument[1])));
    const bool known = letter == 's' || letter == 'c' || letter == 'p' || letter == 'l' || letter == 'a';
    return known &&
           (argument.size() == 2 || argument[2] == ':' || std::isdigit(static_cast<unsigned char>(argument[2])));
}

bool IsNumber(const std::string& argument) {
    if (argument.empty()) return false;
    for (char c : argument)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool IsBarePreview(const std::vector<std::string>& words) {
    if (words.size() != 1 || words[0].size() != 2) return false;
    const char letter = char(std::tolower(static_cast<unsigned char>(words[0][1])));
    return letter == 'p' || letter == 'l';
}

LaunchOptions Problem(std::string why) {
    LaunchOptions options;
    options.launch = Launch::Usage;
    options.problem = std::move(why);
    return options;
}

}  // namespace

std::optional<unsigned long> ReadWindowId(const std::string& text) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || std::isspace(static_cast<unsigned char>(text[0])))
        return std::nullopt;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    errno = 0;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || end == nullptr || *end != '\0' || value == 0) return std::nullopt;
    return value;
}

LaunchOptions ReadLaunchOptions(const std::vector<std::string>& arguments, const char* xscreensaverWindow) {
    LaunchOptions options;
    std::vector<std::string> modeWords;
    bool root = false, ownWindow = false, hackOption = false;
    std::optional<unsigned long> givenId;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--version") {
            options.launch = Launch::Version;
            return options;
        }
        const std::string name = WithoutDashes(argument);
        if (IsModeWord(argument) || (!modeWords.empty() && IsNumber(argument))) {
            modeWords.push_back(argument);
        } else if (name == "window") {
            ownWindow = true;
        } else if (name == "root") {
            root = hackOption = true;
        } else if (name == "window-id") {
            if (i + 1 == arguments.size()) return Problem(argument + " needs a window id");
            givenId = ReadWindowId(arguments[++i]);
            if (!givenId) return Problem("not a window id: " + arguments[i]);
            hackOption = true;
        } else if (name == "date" || name == "seed") {
            if (i + 1 == arguments.size()) return Problem(argument + " needs a value");
            const std::string& value = arguments[++i];
            if (name == "date") {
                options.date = show_start::ReadDate(value);
                if (!options.date) return Problem(show_start::DateProblem(argument, value));
            } else {
                options.seed = show_start::ReadSeed(value);
                if (!options.seed) return Problem(show_start::SeedProblem(argument, value));
            }
        } else if (name == "stretch" || name == "no-stretch") {
            options.stretch = name == "stretch";
            hackOption = true;
        } else {
            return Problem("unknown option: " + argument);
        }
    }

    if (!modeWords.empty()) {
        if (hackOption) return Problem("the saver's mode letters do not go with XScreenSaver's options");
        for (const std::string& word : modeWords) {
            if (!options.commandText.empty()) options.commandText += ' ';
            options.commandText += word;
        }
        options.windowed = ownWindow;
        options.ownPreview = IsBarePreview(modeWords);
        return options;
    }

    const bool namedByEnvironment = xscreensaverWindow != nullptr && *xscreensaverWindow != '\0';
    if (!hackOption && !ownWindow && !namedByEnvironment) return options;  // the settings dialog, as on Windows
    options.launch = Launch::Hack;
    if (givenId) {
        options.target = HackTarget::GivenWindow;
        options.windowId = *givenId;
    } else if (ownWindow) {
        options.target = HackTarget::OwnWindow;
    } else if (namedByEnvironment) {
        const std::optional<unsigned long> id = ReadWindowId(xscreensaverWindow);
        if (!id) return Problem(std::string("XSCREENSAVER_WINDOW is not a window id: ") + xscreensaverWindow);
        options.target = HackTarget::GivenWindow;
        options.windowId = *id;
    } else if (root) {
        options.target = HackTarget::VirtualRoot;
    }
    return options;
}

}  // namespace quibac::linux_sdl
