// Writes the captured frames, PNG files and the GIF alike, on a thread of
// its own, so the show can go on drawing the next frames meanwhile. Frames
// are written strictly in the order they were taken.
#pragma once

#include "gif_animation.h"
#include "options.h"
#include "saver_capture.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace quibac::render {

class FrameWriter {
public:
    explicit FrameWriter(const RenderOptions& options);
    ~FrameWriter();
    FrameWriter(const FrameWriter&) = delete;
    FrameWriter& operator=(const FrameWriter&) = delete;

    // Opens the outputs and starts the thread: "" or why it cannot.
    std::string Start();
    // Queues a frame, waiting while the queue is full. False once writing
    // has failed: the render should stop.
    bool Push(ScreenFrame&& frame);
    // Writes what is queued and closes the outputs. With complete unset the
    // GIF is thrown away. Returns "" or the first failure.
    std::string Finish(bool complete);

private:
    void WriteAll();
    std::string Write(const ScreenFrame& frame);

    const RenderOptions& options_;
    GifAnimation gif_;
    std::thread thread_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::deque<ScreenFrame> queue_;
    bool closing_ = false;
    std::string error_;
};

}  // namespace quibac::render
