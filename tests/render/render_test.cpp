// quibac-render as a user runs it: the same arguments make the same files to
// the byte; --date shows that day's header and --seed another walk; the GIF
// shows, frame for frame, what the PNG frames of the same run show, as
// decoders of other hands read them; and arguments it cannot honour are
// refused before anything is written.
#include "support/ffmpeg_decode.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quibac {
namespace {

using testing::ProgramRun;
using testing::RunProgram;
using testing::TempFolder;

constexpr int kBadArgumentsExitCode = 2;
constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;
// The dates header's rows at the top of the canvas.
constexpr int kHeaderRows = 128;
// The marker colour of the header, drawn in the day's door colour.
constexpr uint8_t kMarkerColour = 10;

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

ProgramRun Render(const std::string& arguments) {
    std::vector<std::string> command = Words(arguments);
    command.insert(command.begin(), QUIBAC_RENDER);
    return RunProgram(command);
}

std::vector<std::string> FramePaths(const TempFolder& folder) {
    std::vector<std::string> paths;
    for (const std::string& name : Words(folder.Listing()))
        if (name.rfind("frame-", 0) == 0) paths.push_back(folder.Path(name));
    return paths;
}

// Pictures as ImageMagick reads them, 3 bytes a pixel, each of the size
// given; options come before the output (a crop, -coalesce for a GIF, whose
// every frame is then the whole picture a viewer shows at that moment).
std::vector<std::string> DecodeRgb(std::vector<std::string> command, int width, int height, std::string& error) {
    command.insert(command.begin(), "convert");
    command.insert(command.end(), {"-depth", "8", "rgb:-"});
    const ProgramRun convert = RunProgram(command);
    const size_t frameBytes = size_t(width) * size_t(height) * 3;
    std::vector<std::string> frames;
    if (convert.exitCode != 0 || convert.output.size() % frameBytes != 0) {
        error = "convert: exit " + std::to_string(convert.exitCode) + ", " + std::to_string(convert.output.size()) +
                " bytes: " + convert.errors;
        return frames;
    }
    for (size_t at = 0; at < convert.output.size(); at += frameBytes)
        frames.push_back(convert.output.substr(at, frameBytes));
    return frames;
}

TEST(RenderTest, TheSameArgumentsMakeTheSameBytes) {
    const std::string arguments = "--date 2026-12-07 --size 200x150 --seconds 3 --fps 10 --seed 7";
    TempFolder first, second;
    for (const TempFolder* out : {&first, &second}) {
        const ProgramRun run = Render(arguments + " --out " + out->path() + " --gif " + out->Path("show.gif"));
        ASSERT_EQ(run.exitCode, 0) << run.errors;
    }
    ASSERT_EQ(first.Listing(), second.Listing());
    std::set<std::string> distinctFrames;
    int files = 0;
    for (const std::string& name : Words(first.Listing())) {
        ++files;
        const std::string bytes = first.Read(name);
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes == second.Read(name)) << name << " differs between two runs";
        if (name != "show.gif") distinctFrames.insert(bytes);
    }
    EXPECT_EQ(files, 30 + 1) << "30 PNG frames and the GIF";
    EXPECT_GT(distinctFrames.size(), 3u) << "the show moves over three seconds";
}

struct GifRow {
    int seconds, fps;
};

// At the GIF's fastest rate, where a frame lasts 2 hundredths; and slowly
// over half a minute, through the changes of scene, where whole areas turn
// to colours the frame before did not show there.
TEST(RenderTest, TheGifShowsEveryPngFrameForItsShareOfTheTime) {
    constexpr int kWidth = 320, kHeight = 240;
    for (const GifRow row : {GifRow{2, 50}, GifRow{30, 2}}) {
        SCOPED_TRACE("--fps " + std::to_string(row.fps));
        TempFolder out;
        const ProgramRun run =
            Render("--date 2026-12-24 --size 320x240 --stretch --seconds " + std::to_string(row.seconds) + " --fps " +
                   std::to_string(row.fps) + " --out " + out.path() + " --gif " + out.Path("show.gif"));
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        const int frameCount = row.seconds * row.fps;

        // Each frame on the whole screen's canvas, lasting its share.
        const ProgramRun identify = RunProgram({"identify", "-format", "%W %H %T\n", out.Path("show.gif")});
        ASSERT_EQ(identify.exitCode, 0) << identify.errors;
        std::string expected;
        for (int k = 0; k < frameCount; ++k) expected += "320 240 " + std::to_string(100 / row.fps) + "\n";
        EXPECT_EQ(identify.output, expected);

        std::string error;
        const std::vector<std::string> pngs = DecodeRgb(FramePaths(out), kWidth, kHeight, error);
        ASSERT_EQ(pngs.size(), size_t(frameCount)) << error;
        const std::vector<std::string> gif = DecodeRgb({out.Path("show.gif"), "-coalesce"}, kWidth, kHeight, error);
        ASSERT_EQ(gif.size(), pngs.size()) << error;
        for (size_t k = 0; k < gif.size(); ++k) EXPECT_TRUE(gif[k] == pngs[k]) << "GIF frame " << k << " differs";
        // Frames that change, so that a GIF of one picture repeated fails.
        EXPECT_GT(std::set<std::string>(pngs.begin(), pngs.end()).size(), 10u) << "the show moves";
    }
}

// The header as the dates animation draws it after the day's frames, read by
// FFmpeg: for each header pixel the colour it must show, or none where the
// header is its transparent background.
struct Header {
    std::vector<bool> drawn;
    std::vector<uint32_t> rgb;
};

Header DayHeader(const testing::FfmpegDecoding& dates, int day, uint8_t doorColour) {
    const testing::FfmpegFrame& frame = dates.Frames.at(size_t(day - 1));
    const uint8_t background = frame.Indices[0];
    Header header;
    for (size_t i = 0; i < size_t(kCanvasWidth) * kHeaderRows; ++i) {
        const uint8_t index = frame.Indices[i];
        header.drawn.push_back(index != background);
        header.rgb.push_back(frame.Palette[index == kMarkerColour ? doorColour : index]);
    }
    return header;
}

bool ShowsHeader(const std::string& rgbRows, const Header& header) {
    for (size_t i = 0; i < header.drawn.size(); ++i) {
        if (!header.drawn[i]) continue;
        const auto* p = reinterpret_cast<const uint8_t*>(rgbRows.data()) + 3 * i;
        if (((uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]) != header.rgb[i]) return false;
    }
    return true;
}

struct DateRow {
    const char* date;
    int day;
    uint8_t doorColour;  // the door table's, for a day whose colour is fixed
};

// Half a minute holds the first walk and today's door, the header drawn over it.
TEST(RenderTest, TheDateShowsThatDaysHeaderOverItsDoor) {
    const DateRow rows[] = {{"2026-12-24", 24, 127}, {"2026-12-07", 7, 126}};
    std::ifstream file(std::filesystem::path(QUIBAC_SOURCE_DIR) / "assets" / "datesflic.flc", std::ios::binary);
    const std::vector<uint8_t> flc{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const testing::FfmpegDecoding dates = testing::DecodeWithFfmpeg(flc, kCanvasWidth, kCanvasHeight);
    ASSERT_TRUE(dates.Ok) << dates.Error;
    ASSERT_GE(dates.Frames.size(), 25u);
    for (const DateRow& row : rows) {
        SCOPED_TRACE(row.date);
        TempFolder out;
        const ProgramRun run = Render(std::string("--date ") + row.date + " --seconds 30 --fps 1 --out " + out.path());
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        std::vector<std::string> crop = FramePaths(out);
        crop.insert(crop.end(), {"-crop", "800x128+0+0", "+repage"});
        std::string error;
        const std::vector<std::string> headers = DecodeRgb(crop, kCanvasWidth, kHeaderRows, error);
        ASSERT_EQ(headers.size(), 30u) << error;
        for (const DateRow& other : rows) {
            const Header header = DayHeader(dates, other.day, other.doorColour);
            const auto showing = std::count_if(headers.begin(), headers.end(),
                                               [&](const std::string& top) { return ShowsHeader(top, header); });
            if (other.day == row.day)
                EXPECT_GT(showing, 0) << "no frame shows the header of the " << other.day << "th";
            else
                EXPECT_EQ(showing, 0) << showing << " frames show the header of the " << other.day << "th";
        }
    }
}

TEST(RenderTest, EachSeedWalksItsOwnWay) {
    const char* seeds[] = {"1", "2", "1000"};
    std::vector<std::string> shows;
    for (const char* seed : seeds) {
        TempFolder out;
        const ProgramRun run = Render(std::string("--date 2026-11-30 --size 320x240 --seconds 3 --fps 5 --seed ") +
                                      seed + " --out " + out.path());
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        std::string show;
        for (const std::string& name : Words(out.Listing())) show += out.Read(name);
        shows.push_back(show);
    }
    for (size_t a = 0; a < shows.size(); ++a)
        for (size_t b = a + 1; b < shows.size(); ++b)
            EXPECT_FALSE(shows[a] == shows[b]) << "seeds " << seeds[a] << " and " << seeds[b] << " walk alike";
}

struct BadArgumentsRow {
    const char* arguments;  // OUT stands for an empty, writable folder
    const char* message;
};

const BadArgumentsRow kBadArgumentsRows[] = {
    {"--out OUT --colour red", "unknown option '--colour'"},
    {"--out OUT extra", "unexpected argument 'extra'"},
    {"--out OUT --date 2026-02-30", "--date '2026-02-30' is not a date"},
    {"--out OUT --date 7.12.2026", "--date '7.12.2026' is not a date"},
    {"--out OUT --size 0x600", "--size '0x600' is not a size"},
    {"--out OUT --size -800x600", "--size '-800x600' is not a size"},
    {"--out OUT --size 7681x4320", "--size '7681x4320' is not a size"},
    {"--out OUT --seconds ten", "--seconds 'ten' is not a whole number"},
    {"--out OUT --fps 2.5", "--fps '2.5' is not a whole number"},
    {"--out OUT --seed -1", "--seed '-1' is not a whole number"},
    {"--out OUT --seconds", "--seconds needs a value"},
    {"--gif OUT/show.gif --fps 51", "--fps 51 is too fast for a GIF"},
    {"--seconds 2", "nothing to write"},
    {"--out OUT/missing", "the --out folder 'OUT/missing' cannot be used: No such file or directory"},
    {"--gif OUT", "--gif 'OUT' is a folder"},
    {"--gif /proc/show.gif", "the --gif file's folder '/proc' cannot be written"},
};

TEST(RenderTest, BadArgumentsAreRefusedWithTheirReasonAndNothingIsWritten) {
    for (const BadArgumentsRow& row : kBadArgumentsRows) {
        TempFolder out;
        std::string arguments = row.arguments, message = row.message;
        for (std::string* text : {&arguments, &message})
            for (size_t at; (at = text->find("OUT")) != std::string::npos;) text->replace(at, 3, out.path());
        SCOPED_TRACE(arguments);
        const ProgramRun run = Render(arguments);
        EXPECT_EQ(run.exitCode, kBadArgumentsExitCode);
        // One line of reason, one of help.
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 2) << run.errors;
        EXPECT_EQ(run.errors.rfind("quibac-render: ", 0), 0u) << run.errors;
        EXPECT_NE(run.errors.find("\nTry 'quibac-render --help' for more information.\n"), std::string::npos);
        EXPECT_NE(run.errors.find(message), std::string::npos) << run.errors;
        EXPECT_EQ(out.Listing(), "");
    }
}

}  // namespace
}  // namespace quibac
