// Message queues per thread, and the two ways into them: PostMessageA leaves a
// message and returns, SendMessageA calls the procedure on the window's own
// thread and waits for its answer.
#include "message_queue.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <unordered_map>

using namespace posix::detail;

namespace {

using Lock = std::unique_lock<std::mutex>;

std::unordered_map<DWORD, std::shared_ptr<ThreadQueue>>& Queues() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* queues = new std::unordered_map<DWORD, std::shared_ptr<ThreadQueue>>();
    return *queues;
}

// Answers a sent message, even when its procedure is left by an exception or
// a thread's termination, so that its sender never waits for ever.
class Reply {
public:
    explicit Reply(std::shared_ptr<SentMessage> sent) : sent_(std::move(sent)) {}
    ~Reply() {
        std::lock_guard<std::mutex> guard(MessageLock());
        sent_->result = result;
        sent_->done = true;
        if (sent_->sender) sent_->sender->wake.notify_all();
    }
    Reply(const Reply&) = delete;
    Reply& operator=(const Reply&) = delete;
    LRESULT result = 0;

private:
    std::shared_ptr<SentMessage> sent_;
};

// Answers whatever was sent to a queue that will never be read.
void AnswerAll(ThreadQueue& queue) {
    for (auto& sent : queue.sent) {
        sent->done = true;
        if (sent->sender) sent->sender->wake.notify_all();
    }
    queue.sent.clear();
}

// The calling thread's queue, unregistered when the thread ends; its windows
// end with it.
struct QueueHolder {
    std::shared_ptr<ThreadQueue> queue;
    ~QueueHolder() {
        if (!queue) return;
        {
            std::lock_guard<std::mutex> guard(MessageLock());
            Queues().erase(queue->thread);
            AnswerAll(*queue);
        }
        ForgetThreadWindows(queue->thread);
    }
};

MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSG{hwnd, message, wParam, lParam, MessageTime(), CursorPoint()};
}

// Queues a message sent to another thread; returns it, or null when that
// thread has no queue.
std::shared_ptr<SentMessage> QueueSent(DWORD thread, const MSG& msg, std::shared_ptr<ThreadQueue> sender) {
    std::lock_guard<std::mutex> guard(MessageLock());
    std::shared_ptr<ThreadQueue> target = QueueOf(thread);
    if (!target) return nullptr;
    auto sent = std::make_shared<SentMessage>();
    sent->msg = msg;
    sent->sender = std::move(sender);
    target->sent.push_back(sent);
    Touch(*target);
    return sent;
}

enum class Delivery { Answered, NoWindow, TimedOut };

// Takes back a sent message that its receiver has not begun on, so that a
// sender that gave up on the answer leaves no pointer of its behind. Call
// with MessageLock().
void Withdraw(DWORD thread, const std::shared_ptr<SentMessage>& sent) {
    if (std::shared_ptr<ThreadQueue> target = QueueOf(thread))
        target->sent.erase(std::remove(target->sent.begin(), target->sent.end(), sent), target->sent.end());
}

// Calls the window's procedure on its own thread and waits for the answer,
// for at most the limit when one is given. While it waits, the thread
// answers what other threads send to it, so that two threads sending to each
// other do not stop for ever.
Delivery Deliver(HWND hwnd, const MSG& msg, std::optional<std::chrono::milliseconds> limit, LRESULT& result) {
    const DWORD thread = WindowThread(hwnd);
    if (thread == 0) return Delivery::NoWindow;
    if (thread == CurrentThreadId()) {
        result = CallWindowProcedure(hwnd, msg.message, msg.wParam, msg.lParam);
        return Delivery::Answered;
    }
    std::shared_ptr<ThreadQueue> self = CurrentQueue();
    std::shared_ptr<SentMessage> sent = QueueSent(thread, msg, self);
    if (!sent) return Delivery::NoWindow;
    const auto deadline = std::chrono::steady_clock::now() + limit.value_or(std::chrono::milliseconds(0));
    const auto answeredOrAsked = [&] { return sent->done || !self->sent.empty(); };
    for (;;) {
        {
            Lock lock(MessageLock());
            if (!limit)
                self->wake.wait(lock, answeredOrAsked);
            else if (!self->wake.wait_until(lock, deadline, answeredOrAsked)) {
                Withdraw(thread, sent);
                return Delivery::TimedOut;
            }
            if (sent->done) {
                result = sent->result;
                return Delivery::Answered;
            }
        }
        ProcessSentMessages(*self);
    }
}

}  // namespace

namespace posix::detail {

std::mutex& MessageLock() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* lock = new std::mutex();
    return *lock;
}

std::shared_ptr<ThreadQueue> CurrentQueue() {
    thread_local QueueHolder holder;
    if (!holder.queue) {
        auto queue = std::make_shared<ThreadQueue>();
        queue->thread = CurrentThreadId();
        std::lock_guard<std::mutex> guard(MessageLock());
        Queues()[queue->thread] = queue;
        holder.queue = queue;
    }
    return holder.queue;
}

std::shared_ptr<ThreadQueue> QueueOf(DWORD thread) {
    auto it = Queues().find(thread);
    return it != Queues().end() ? it->second : nullptr;
}

void Touch(ThreadQueue& queue) {
    queue.changes++;
    queue.wake.notify_all();
}

void ProcessSentMessages(ThreadQueue& queue) {
    for (;;) {
        std::shared_ptr<SentMessage> sent;
        {
            std::lock_guard<std::mutex> guard(MessageLock());
            if (queue.sent.empty()) return;
            sent = queue.sent.front();
            queue.sent.pop_front();
        }
        Reply reply(sent);
        const MSG& m = sent->msg;
        reply.result = CallWindowProcedure(m.hwnd, m.message, m.wParam, m.lParam);
    }
}

void EnsureMessageQueue() { CurrentQueue(); }

void WakeThread(DWORD thread) {
    std::lock_guard<std::mutex> guard(MessageLock());
    if (std::shared_ptr<ThreadQueue> queue = QueueOf(thread)) Touch(*queue);
}

void SendNotification(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD thread = WindowThread(hwnd);
    if (thread == 0) return;
    if (thread == CurrentThreadId())
        CallWindowProcedure(hwnd, message, wParam, lParam);
    else
        QueueSent(thread, MakeMessage(hwnd, message, wParam, lParam), nullptr);
}

void ResetMessageQueues() {
    std::lock_guard<std::mutex> guard(MessageLock());
    for (auto& [thread, queue] : Queues()) {
        queue->posted.clear();
        AnswerAll(*queue);
        queue->quit = false;
        queue->exitCode = 0;
        Touch(*queue);
    }
}

}  // namespace posix::detail

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (CarriesPointer(Msg, wParam)) {
        SetLastError(ERROR_MESSAGE_SYNC_ONLY);
        return FALSE;
    }
    const MSG msg = MakeMessage(hWnd, Msg, wParam, lParam);
    // A message for no window is a message for the calling thread.
    const DWORD thread = hWnd == nullptr ? CurrentQueue()->thread : WindowThread(hWnd);
    if (thread == 0) return FALSE;
    std::lock_guard<std::mutex> guard(MessageLock());
    std::shared_ptr<ThreadQueue> queue = QueueOf(thread);
    if (!queue) return FALSE;
    queue->posted.push_back(msg);
    Touch(*queue);
    return TRUE;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    Deliver(hWnd, MakeMessage(hWnd, Msg, wParam, lParam), std::nullopt, result);
    return result;
}

LRESULT WINAPI SendMessageTimeoutA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, UINT, UINT uTimeout,
                                   PDWORD_PTR lpdwResult) {
    LRESULT result = 0;
    switch (Deliver(hWnd, MakeMessage(hWnd, Msg, wParam, lParam), std::chrono::milliseconds(uTimeout), result)) {
    case Delivery::NoWindow: SetLastError(ERROR_INVALID_WINDOW_HANDLE); return 0;
    case Delivery::TimedOut: SetLastError(ERROR_TIMEOUT); return 0;
    case Delivery::Answered: break;
    }
    if (lpdwResult != nullptr) *lpdwResult = DWORD_PTR(result);
    return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
    std::shared_ptr<ThreadQueue> self = CurrentQueue();
    std::lock_guard<std::mutex> guard(MessageLock());
    self->quit = true;
    self->exitCode = nExitCode;
    Touch(*self);
}
