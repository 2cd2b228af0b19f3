#include "gif_animation.h"

#include "interrupt_cleanup.h"
#include "output_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quibac::render {

namespace {

constexpr int kCentiseconds = 100;
constexpr int kGifColourBits = 8;
constexpr int kLoopForever = 0;
constexpr char kLoopApplication[] = "NETSCAPE2.0";
constexpr int kLoopApplicationLength = 11;
constexpr GifByteType kLoopSubBlockId = 1;

// A colour map of the table, padded with black to the power of two GIF needs.
ColorMapObject* MakeMap(const ColourTable& table) {
    int size = 2;
    while (size < int(table.size())) size *= 2;
    std::vector<GifColorType> colours(size_t(size), GifColorType{0, 0, 0});
    for (size_t k = 0; k < table.size(); ++k)
        colours[k] = GifColorType{GifByteType(table[k] >> 16), GifByteType(table[k] >> 8), GifByteType(table[k])};
    return GifMakeMapObject(size, colours.data());
}

std::string GifError(int code) {
    const char* text = GifErrorString(code);
    return text != nullptr ? text : "GIF error " + std::to_string(code);
}

}  // namespace

int FrameDelay(int index, int fps) { return (index + 1) * kCentiseconds / fps - index * kCentiseconds / fps; }

GifAnimation::~GifAnimation() { Discard(); }

void GifAnimation::Discard() {
    if (gif_ != nullptr) {
        int error = 0;
        EGifCloseFile(gif_, &error);
        gif_ = nullptr;
    }
    if (!partialPath_.empty()) {
        unlink(partialPath_.c_str());
        ForgetOnInterrupt(partialPath_);
    }
    partialPath_.clear();
}

std::string GifAnimation::Fail(const std::string& what) {
    const int code = gif_ != nullptr ? gif_->Error : 0;
    Discard();
    return "cannot write '" + path_ + "': " + what + (code != 0 ? " (" + GifError(code) + ")" : "");
}

std::string GifAnimation::Open(const std::string& path, int width, int height, int fps) {
    path_ = path;
    width_ = width;
    height_ = height;
    fps_ = fps;
    std::string partial = FolderOf(path) + "/.quibac-render-gif-XXXXXX";
    const int fd = mkstemp(partial.data());
    if (fd < 0) return "cannot write '" + path + "': " + std::strerror(errno);
    partialPath_ = partial;
    RemoveOnInterrupt(partialPath_);
    // mkstemp makes the file private; the finished one gets the mode any new
    // file of the user's would.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, (S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH) & ~mask);
    int error = 0;
    gif_ = EGifOpenFileHandle(fd, &error);
    if (gif_ == nullptr) {
        close(fd);
        Discard();
        return "cannot write '" + path + "': " + GifError(error);
    }
    EGifSetGifVersion(gif_, true);
    return "";
}

GifAnimation::Rect GifAnimation::ChangedRect(const std::vector<uint32_t>& pixels) const {
    int left = width_, right = -1, top = height_, bottom = -1;
    for (int y = 0; y < height_; ++y) {
        const uint32_t* now = pixels.data() + size_t(y) * size_t(width_);
        const uint32_t* before = shown_.data() + size_t(y) * size_t(width_);
        int x = 0;
        while (x < width_ && now[x] == before[x]) ++x;
        if (x == width_) continue;
        int last = width_ - 1;
        while (now[last] == before[last]) --last;
        left = std::min(left, x);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    // An unchanged frame still needs a picture: one pixel, as it was.
    if (right < 0) return Rect{0, 0, 1, 1};
    return Rect{left, top, right - left + 1, bottom - top + 1};
}

std::string GifAnimation::AddFrame(const std::vector<uint32_t>& pixels, const IndexedFrame& indexed) {
    if (gif_ == nullptr) return "cannot write '" + path_ + "': the animation was abandoned";
    const bool first = frames_ == 0;
    if (first) {
        globalTable_ = indexed.table;
        ColorMapObject* map = MakeMap(globalTable_);
        const int put = EGifPutScreenDesc(gif_, width_, height_, kGifColourBits, 0, map);
        GifFreeMapObject(map);
        if (put != GIF_OK) return Fail("the header");
        const GifByteType loop[3] = {kLoopSubBlockId, GifByteType(kLoopForever & 0xFF), GifByteType(kLoopForever >> 8)};
        if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
            EGifPutExtensionBlock(gif_, kLoopApplicationLength, kLoopApplication) != GIF_OK ||
            EGifPutExtensionBlock(gif_, sizeof(loop), loop) != GIF_OK || EGifPutExtensionTrailer(gif_) != GIF_OK)
            return Fail("the loop extension");
        shown_ = pixels;
    }
    const Rect r = first ? Rect{0, 0, width_, height_} : ChangedRect(pixels);

    // An index no changed pixel of the rectangle uses stands for "as before".
    std::array<bool, kTableSize> used{};
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) {
            const size_t i = size_t(y) * size_t(width_) + size_t(x);
            if (first || pixels[i] != shown_[i]) used[indexed.indices[i]] = true;
        }
    int transparent = NO_TRANSPARENT_COLOR;
    if (!first)
        for (int k = 0; k < kTableSize && transparent == NO_TRANSPARENT_COLOR; ++k)
            if (!used[size_t(k)]) transparent = k;

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = FrameDelay(frames_, fps_);
    control.TransparentColor = transparent;
    GifByteType controlBytes[4];
    EGifGCBToExtension(&control, controlBytes);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, sizeof(controlBytes), controlBytes) != GIF_OK)
        return Fail("frame " + std::to_string(frames_));

    ColorMapObject* local = indexed.table == globalTable_ ? nullptr : MakeMap(indexed.table);
    // giflib keeps a copy of a frame's own table, and drops it without
    // freeing it when the next frame has none.
    if (local == nullptr && gif_->Image.ColorMap != nullptr) {
        GifFreeMapObject(gif_->Image.ColorMap);
        gif_->Image.ColorMap = nullptr;
    }
    const int described = EGifPutImageDesc(gif_, r.x, r.y, r.width, r.height, false, local);
    if (local != nullptr) GifFreeMapObject(local);
    if (described != GIF_OK) return Fail("frame " + std::to_string(frames_));
    std::vector<GifPixelType> row(size_t(r.width));
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            const size_t i = size_t(y) * size_t(width_) + size_t(x);
            const bool same = !first && pixels[i] == shown_[i];
            row[size_t(x - r.x)] =
                same && transparent != NO_TRANSPARENT_COLOR ? GifPixelType(transparent) : indexed.indices[i];
            // A viewer shows the table's colour, which for a frame of too
            // many colours is not always the screen's.
            if (!same || transparent == NO_TRANSPARENT_COLOR) shown_[i] = indexed.table[indexed.indices[i]];
        }
        if (EGifPutLine(gif_, row.data(), r.width) != GIF_OK) return Fail("frame " + std::to_string(frames_));
    }
    ++frames_;
    return "";
}

std::string GifAnimation::Finish() {
    if (gif_ == nullptr) return "cannot write '" + path_ + "': the animation was abandoned";
    int error = 0;
    const int closed = EGifCloseFile(gif_, &error);
    gif_ = nullptr;
    if (closed != GIF_OK) {
        Discard();
        return "cannot write '" + path_ + "': " + GifError(error);
    }
    if (std::rename(partialPath_.c_str(), path_.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        Discard();
        return "cannot write '" + path_ + "': " + reason;
    }
    ForgetOnInterrupt(partialPath_);
    partialPath_.clear();
    return "";
}

}  // namespace quibac::render
