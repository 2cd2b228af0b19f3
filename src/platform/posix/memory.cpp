// Global memory blocks: fixed blocks whose handle is their address, counted so
// tests can show that every block is freed.
#include "internal.h"

#include <posix_control.h>

#include <cstdlib>
#include <mutex>
#include <unordered_set>

namespace {
std::mutex& BlockLock() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* lock = new std::mutex();
    return *lock;
}
std::unordered_set<void*>& Blocks() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* blocks = new std::unordered_set<void*>();
    return *blocks;
}
}  // namespace

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    if (posix::detail::ShouldFail(posix::FailingCall::GlobalAlloc)) return nullptr;
    void* block =
        (uFlags & GMEM_ZEROINIT) != 0 ? std::calloc(1, dwBytes ? dwBytes : 1) : std::malloc(dwBytes ? dwBytes : 1);
    if (block == nullptr) return nullptr;
    std::lock_guard<std::mutex> guard(BlockLock());
    Blocks().insert(block);
    return block;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
    if (hMem == nullptr) return nullptr;
    {
        std::lock_guard<std::mutex> guard(BlockLock());
        if (Blocks().erase(hMem) == 0) {
            posix::detail::ReportMisuse("GlobalFree of a block that is not live");
            return hMem;  // failure, as Windows reports it
        }
    }
    std::free(hMem);
    return nullptr;
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) { return hMem; }
BOOL WINAPI GlobalUnlock(HGLOBAL) { return FALSE; }

namespace posix {
int LiveMemoryBlocks() {
    std::lock_guard<std::mutex> guard(BlockLock());
    return static_cast<int>(Blocks().size());
}
}  // namespace posix
