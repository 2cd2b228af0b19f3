#include "options.h"

#include <functional>
#include <map>
#include <optional>
#include <set>

namespace quibac::render {

const char kUsage[] =
    "usage: quibac-render [options] (--out DIR | --gif FILE)...\n"
    "Runs the full-screen saver in virtual time, headless, and writes what the screen shows.\n"
    "  --date YYYY-MM-DD  the local date of the show (default: today)\n"
    "  --size WxH         the screen in pixels, 1x1 to 7680x4320 (default: 800x600)\n"
    "  --stretch          stretch the picture to the whole screen\n"
    "  --seconds N        simulated seconds to render, 1 to 86400 (default: 20)\n"
    "  --fps N            frames per simulated second, 1 to 1000, at most 50 with --gif (default: 10)\n"
    "  --seed S           the millisecond count the saver seeds its random numbers with (default: 1)\n"
    "  --out DIR          write the frames as DIR/frame-00000.png, ... (DIR must exist)\n"
    "  --gif FILE         write the frames as one looping animated GIF\n"
    "  --help             show this text\n"
    "  --version          show the program's version\n";
const char kUsageHint[] = "Try 'quibac-render --help' for more information.";

namespace {

using show_start::ReadInRange;

bool ReadSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    if (x == std::string::npos) return false;
    return ReadInRange(text.substr(0, x), 1, kMaxWidth, width) &&
           ReadInRange(text.substr(x + 1), 1, kMaxHeight, height);
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// One option taking a value: reads it into the options, or says what is wrong.
using ValueReader = std::function<std::string(const std::string& value, RenderOptions& options)>;

const std::map<std::string, ValueReader>& ValueOptions() {
    static const std::map<std::string, ValueReader> readers{
        {"--date",
         [](const std::string& v, RenderOptions& o) -> std::string {
             const std::optional<CalendarDate> date = show_start::ReadDate(v);
             if (!date) return show_start::DateProblem("--date", v);
             o.date = *date;
             return "";
         }},
        {"--size",
         [](const std::string& v, RenderOptions& o) -> std::string {
             if (ReadSize(v, o.width, o.height)) return "";
             return "--size " + Quoted(v) + " is not a size WxH from 1x1 to " + std::to_string(kMaxWidth) + "x" +
                    std::to_string(kMaxHeight);
         }},
        {"--seconds",
         [](const std::string& v, RenderOptions& o) -> std::string {
             if (ReadInRange(v, 1, kMaxSeconds, o.seconds)) return "";
             return "--seconds " + Quoted(v) + " is not a whole number of seconds from 1 to " +
                    std::to_string(kMaxSeconds);
         }},
        {"--fps",
         [](const std::string& v, RenderOptions& o) -> std::string {
             if (ReadInRange(v, 1, kMaxFps, o.fps)) return "";
             return "--fps " + Quoted(v) + " is not a whole number of frames a second from 1 to " +
                    std::to_string(kMaxFps);
         }},
        {"--seed",
         [](const std::string& v, RenderOptions& o) -> std::string {
             const std::optional<uint32_t> seed = show_start::ReadSeed(v);
             if (!seed) return show_start::SeedProblem("--seed", v);
             o.seed = *seed;
             return "";
         }},
        {"--out",
         [](const std::string& v, RenderOptions& o) -> std::string {
             if (v.empty()) return "--out needs a folder";
             o.framesFolder = v;
             return "";
         }},
        {"--gif",
         [](const std::string& v, RenderOptions& o) -> std::string {
             if (v.empty()) return "--gif needs a file name";
             o.gifPath = v;
             return "";
         }},
    };
    return readers;
}

// Checks that hold between options, once all are read.
std::string CheckTogether(const RenderOptions& o) {
    if (o.framesFolder.empty() && o.gifPath.empty()) return "nothing to write: give --out DIR, --gif FILE or both";
    if (!o.gifPath.empty() && o.fps > kMaxGifFps)
        return "--fps " + std::to_string(o.fps) + " is too fast for a GIF, whose frames last at least 2 hundredths " +
               "of a second: use --fps " + std::to_string(kMaxGifFps) + " or less";
    return "";
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& arguments, CalendarDate today) {
    ParsedOptions parsed;
    RenderOptions& o = parsed.options;
    o.date = today;
    std::set<std::string> seen;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::string value;
        bool inlineValue = false;
        // --name=value as well as --name value.
        const size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            inlineValue = true;
        }
        if (name == "--help" || name == "-h") {
            o.help = true;
            return parsed;
        }
        if (name == "--version") {
            o.version = true;
            return parsed;
        }
        if (!seen.insert(name).second) {
            parsed.error = name + " is given more than once";
            return parsed;
        }
        if (name == "--stretch") {
            if (inlineValue) {
                parsed.error = "--stretch takes no value";
                return parsed;
            }
            o.stretch = true;
            continue;
        }
        const auto reader = ValueOptions().find(name);
        if (reader == ValueOptions().end()) {
            parsed.error = (name.rfind("-", 0) == 0 ? "unknown option " : "unexpected argument ") + Quoted(name);
            return parsed;
        }
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) {
                parsed.error = name + " needs a value";
                return parsed;
            }
            value = arguments[++i];
        }
        parsed.error = reader->second(value, o);
        if (!parsed.error.empty()) return parsed;
    }
    parsed.error = CheckTogether(o);
    return parsed;
}

}  // namespace quibac::render
