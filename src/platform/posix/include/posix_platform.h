// Test control of the POSIX platform layer as a whole: putting it back to a
// fresh state between tests. Nothing in the saver's own code includes this
// header.
#pragma once

namespace posix {

// Puts the platform back to a fresh state: a black screen of the given size,
// no windows, real time, empty debug output. Live object counts are kept, so a
// test can compare them before and after the code it runs.
void ResetPlatform(int screenWidth = 1024, int screenHeight = 768);

}  // namespace posix
