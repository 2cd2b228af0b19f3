// Reads that ThreadSanitizer is told not to record, for memory another thread
// may change meanwhile by design (a DIB's bits and colour table, which the
// saver's show thread draws into while its window thread repaints from them).
// Suppressions alone cannot name these reads: a write that comes long after a
// repaint finds the repaint's stack gone, and the report names only the
// writer. Outside ThreadSanitizer builds the scope does nothing.
#pragma once

#if defined(__SANITIZE_THREAD__)
extern "C" void AnnotateIgnoreReadsBegin(const char* file, int line);
extern "C" void AnnotateIgnoreReadsEnd(const char* file, int line);
#endif

namespace posix::detail {

struct UnrecordedReads {
#if defined(__SANITIZE_THREAD__)
    UnrecordedReads() { AnnotateIgnoreReadsBegin(__FILE__, __LINE__); }
    ~UnrecordedReads() { AnnotateIgnoreReadsEnd(__FILE__, __LINE__); }
#else
    // Not trivial, so that a scope that only marks reads is not "unused".
    UnrecordedReads() {}
    ~UnrecordedReads() {}
#endif
    UnrecordedReads(const UnrecordedReads&) = delete;
    UnrecordedReads& operator=(const UnrecordedReads&) = delete;
};

}  // namespace posix::detail
