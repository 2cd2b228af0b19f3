// Test controls of the POSIX platform layer, all in one include. Nothing in
// the saver's own code includes this header: only tests, benchmarks, fuzz
// targets and the Linux runner use it to drive and observe the platform the
// saver runs on. Each topic has a header of its own, which may be included
// alone; windows, messages, input and the system are in posix_windows.h.
#pragma once

#include "posix_clock.h"
#include "posix_debug.h"
#include "posix_dialogs.h"
#include "posix_objects.h"
#include "posix_platform.h"
#include "posix_profile.h"
#include "posix_resources.h"
#include "posix_screen.h"
