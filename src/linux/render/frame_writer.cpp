#include "frame_writer.h"

#include "output_paths.h"
#include "png_frame.h"

namespace quibac::render {

namespace {

// Frames waiting to be written: enough to keep both threads busy, few enough
// that an 8K render holds a few hundred megabytes at most.
constexpr size_t kQueueLength = 4;

}  // namespace

FrameWriter::FrameWriter(const RenderOptions& options) : options_(options) {}

FrameWriter::~FrameWriter() {
    if (thread_.joinable()) Finish(false);
}

std::string FrameWriter::Start() {
    if (!options_.gifPath.empty()) {
        const std::string error = gif_.Open(options_.gifPath, options_.width, options_.height, options_.fps);
        if (!error.empty()) return error;
    }
    thread_ = std::thread([this] { WriteAll(); });
    return "";
}

bool FrameWriter::Push(ScreenFrame&& frame) {
    std::unique_lock<std::mutex> hold(lock_);
    changed_.wait(hold, [this] { return queue_.size() < kQueueLength || !error_.empty(); });
    if (!error_.empty()) return false;
    queue_.push_back(std::move(frame));
    changed_.notify_all();
    return true;
}

std::string FrameWriter::Write(const ScreenFrame& frame) {
    const IndexedFrame indexed = IndexFrame(frame.pixels, frame.saverTable);
    if (!options_.framesFolder.empty()) {
        const std::string path = FrameFileName(options_.framesFolder, frame.index, options_.FrameCount());
        const std::string error = WritePngFrame(path, options_.width, options_.height, frame.pixels, indexed);
        if (!error.empty()) return error;
    }
    if (!options_.gifPath.empty()) return gif_.AddFrame(frame.pixels, indexed);
    return "";
}

void FrameWriter::WriteAll() {
    for (;;) {
        ScreenFrame frame;
        {
            std::unique_lock<std::mutex> hold(lock_);
            changed_.wait(hold, [this] { return !queue_.empty() || closing_; });
            if (queue_.empty()) return;
            frame = std::move(queue_.front());
            queue_.pop_front();
            changed_.notify_all();
            // After a failure the rest is dropped unwritten.
            if (!error_.empty()) continue;
        }
        const std::string error = Write(frame);
        if (error.empty()) continue;
        std::lock_guard<std::mutex> guard(lock_);
        error_ = error;
        changed_.notify_all();
    }
}

std::string FrameWriter::Finish(bool complete) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        closing_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
    std::lock_guard<std::mutex> guard(lock_);
    if (!options_.gifPath.empty()) {
        if (complete && error_.empty())
            error_ = gif_.Finish();
        else
            gif_.Discard();
    }
    return error_;
}

}  // namespace quibac::render
