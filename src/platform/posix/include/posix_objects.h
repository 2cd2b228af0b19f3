// Test controls of the POSIX platform layer for GDI objects and memory
// blocks: live counts for leak checks, misuse counts, and holding the GDI lock
// to catch two threads in one DC. Nothing in the saver's own code includes
// this header.
#pragma once

namespace posix {

// Live palettes, bitmaps and DCs (stock objects excluded), and live memory
// blocks from GlobalAlloc.
int LiveGdiObjects();
int LiveMemoryBlocks();
// Calls that Windows would refuse or that corrupt state there: deleting a
// selected object, deleting a DC that still holds a non-default object, any
// call on a DC already released or deleted, freeing a block twice, and the
// like. Each is also described on stderr.
int GdiMisuseCount();
// Calls on one DC from two threads at once are misuse too: Windows does not
// serialise them. To show one thread's call provably in progress, a test holds
// the layer's GDI lock on its own thread (HoldGdi); another thread's call then
// marks its DCs and waits, counted by GdiWaiters, while the holder's own calls
// go ahead. ReleaseGdi, on the same thread, lets the waiter finish.
void HoldGdi();
void ReleaseGdi();
int GdiWaiters();

}  // namespace posix
