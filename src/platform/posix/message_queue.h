// Each thread's message queue: posted messages, messages sent to it from other
// threads, and its quit flag. Shared by the sending and the retrieving side.
#pragma once

#include "internal.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace posix::detail {

struct ThreadQueue;

// A message sent from another thread, waiting for the owner of its window.
struct SentMessage {
    MSG msg{};
    LRESULT result = 0;
    bool done = false;
    std::shared_ptr<ThreadQueue> sender;  // none for a notification nobody waits for
};

struct ThreadQueue {
    DWORD thread = 0;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool quit = false;
    int exitCode = 0;
    // Grows with everything that may give a waiting GetMessageA something to
    // return, so a wait can tell whether anything happened since it looked.
    uint64_t changes = 0;
    // Woken on every change, and when a message this thread sent is answered.
    std::condition_variable wake;
};

// Guards every queue.
std::mutex& MessageLock();
// The calling thread's queue, made on first use and gone with the thread.
std::shared_ptr<ThreadQueue> CurrentQueue();
// The queue of a thread that has one; null otherwise. Call with MessageLock().
std::shared_ptr<ThreadQueue> QueueOf(DWORD thread);
// Calls the procedures for every message sent to this thread, in order.
void ProcessSentMessages(ThreadQueue& queue);
// Something for the queue's thread changed. Call with MessageLock().
void Touch(ThreadQueue& queue);
// Empties every queue and answers every waiting sender with 0.
void ResetMessageQueues();

}  // namespace posix::detail
