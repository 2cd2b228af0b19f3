// The system around the saver's window: threads that must stop when told,
// waits that end in virtual time, registry values and libraries found as
// Windows finds them, and the screen saver's running mark.
#include "support/platform_fixture.h"

#include <posix_windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace quibac {
namespace {

// Holds threads until the test opens it.
struct Gate {
    std::mutex lock;
    std::condition_variable opened;
    bool open = false;
    std::atomic<int> waiting{0};

    void Wait() {
        std::unique_lock<std::mutex> hold(lock);
        ++waiting;
        opened.wait(hold, [this] { return open; });
    }
};

class SystemTest : public testing::PlatformTest {};

TEST_F(SystemTest, AThreadBlockedInASleepHookIsTerminatedAndItsHandleSignalled) {
    Gate gate;  // never opened: only the termination ends the wait
    posix::SetSleepHook([&gate](DWORD) { gate.Wait(); });
    const int liveBefore = posix::LiveThreads();
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID) -> DWORD {
            Sleep(10);
            return 1;
        },
        nullptr, 0, nullptr);
    while (gate.waiting == 0) std::this_thread::yield();
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, DWORD(STILL_ACTIVE));

    EXPECT_TRUE(TerminateThread(thread, 42));
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    posix::SetSleepHook(nullptr);
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, 42u);
    EXPECT_EQ(posix::LiveThreads(), liveBefore);
    EXPECT_TRUE(CloseHandle(thread));
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED) << "a closed handle";
}

TEST_F(SystemTest, AThreadStartHookHoldsTheNewThreadBeforeItsProcedureRuns) {
    Gate gate;
    std::atomic<bool> ran{false};
    std::thread::id hookThread;
    posix::SetThreadStartHook([&] {
        hookThread = std::this_thread::get_id();
        gate.Wait();
    });
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID flag) -> DWORD {
            static_cast<std::atomic<bool>*>(flag)->store(true);
            return 0;
        },
        &ran, 0, nullptr);
    while (gate.waiting == 0) std::this_thread::yield();
    EXPECT_FALSE(ran.load());
    EXPECT_NE(hookThread, std::this_thread::get_id()) << "the hook runs on the new thread";
    {
        std::lock_guard<std::mutex> hold(gate.lock);
        gate.open = true;
    }
    gate.opened.notify_all();
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(ran.load());
    EXPECT_TRUE(CloseHandle(thread));
}

// An exception leaving a thread's procedure is a fault nothing handled: the
// program's top-level filter sees it, then the process ends with its code.
// The filter may be the program's last word, so whatever answer it gives,
// the process ends.
void ThreadWhoseProcedureThrows(LONG filterAnswer) {
    static LONG s_answer;
    s_answer = filterAnswer;
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* fault) -> LONG {
        std::fprintf(stderr, "filter saw %#lx\n", static_cast<unsigned long>(fault->ExceptionRecord->ExceptionCode));
        return s_answer;
    });
    posix::SetExitHook([](UINT code) { std::fprintf(stderr, "exit %#x\n", code); });
    HANDLE thread = CreateThread(
        nullptr, 0, [](LPVOID) -> DWORD { throw std::runtime_error("fault"); }, nullptr, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
}

TEST_F(SystemTest, AnExceptionLeavingAThreadGoesToTheFilterAndEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (LONG answer : {EXCEPTION_EXECUTE_HANDLER, EXCEPTION_CONTINUE_SEARCH}) {
        EXPECT_EXIT(ThreadWhoseProcedureThrows(answer),
                    ::testing::ExitedWithCode(int(posix::kThreadFaultExitCode & 0xFF)),
                    "filter saw 0xe06d7363\nexit 0xe06d7363");
    }
}

TEST_F(SystemTest, ATimedWaitInVirtualTimeEndsOnTheVirtualClock) {
    Gate gate;
    posix::UseVirtualTime(true);
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID g) -> DWORD {
            static_cast<Gate*>(g)->Wait();
            return 5;
        },
        &gate, 0, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 2000), WAIT_TIMEOUT);
    EXPECT_GE(posix::VirtualElapsed(), 2000u);
    {
        std::lock_guard<std::mutex> hold(gate.lock);
        gate.open = true;
    }
    gate.opened.notify_all();
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_TRUE(CloseHandle(thread));

    posix::FailCall(posix::FailingCall::CreateThread);
    EXPECT_EQ(CreateThread(
                  nullptr, 0, [](LPVOID) -> DWORD { return 0; }, nullptr, 0, nullptr),
              nullptr);
}

TEST_F(SystemTest, ARegistryValueTooBigForTheBufferLeavesItUntouched) {
    posix::SetRegistryValue(HKEY_CURRENT_USER, "Software\\Vendor\\Saver", "Delay", {1, 2, 3, 4, 5}, REG_BINARY);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "software\\VENDOR\\Missing", &key), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "software\\VENDOR\\saver", &key), ERROR_SUCCESS);
    uint8_t buffer[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    DWORD size = 3;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "delay", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(buffer[0], 0xEE);
    size = sizeof(buffer);
    EXPECT_EQ(RegQueryValueExA(key, "Delay", nullptr, &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(buffer[4], 5);
    EXPECT_EQ(buffer[5], 0xEE);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(posix::OpenRegistryKeys(), 0);
}

INT_PTR WINAPI Entry() { return 7; }

TEST_F(SystemTest, ALibraryStaysLoadedUntilEveryLoadIsFreed) {
    posix::ProvideLibrary("Helper.dll", {{"Entry", Entry}});
    EXPECT_EQ(GetModuleHandleA("helper.dll"), nullptr) << "not loaded yet";
    HMODULE first = LoadLibraryA("C:\\WINDOWS\\SYSTEM\\HELPER");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LoadLibraryA("helper.dll"), first);
    EXPECT_EQ(GetProcAddress(first, "Entry"), Entry);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(GetModuleHandleA("Helper.DLL"), first) << "one load is left";
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(GetModuleHandleA("helper.dll"), nullptr);
    const int misuse = posix::GdiMisuseCount();
    EXPECT_FALSE(FreeLibrary(first));
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(posix::GdiMisuseCount(), misuse + 2) << "freeing what is not loaded is misuse";
    EXPECT_EQ(posix::LoadedLibraries(), 0);
    posix::ResetPlatform();  // the misuse is this test's to count, not the fixture's
}

TEST_F(SystemTest, TheScreenSaverMarkReportsItsPreviousState) {
    BOOL previous = -1;
    EXPECT_TRUE(SystemParametersInfoA(SPI_SCREENSAVERRUNNING, TRUE, &previous, 0));
    EXPECT_EQ(previous, FALSE);
    EXPECT_TRUE(SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, &previous, 0));
    EXPECT_EQ(previous, TRUE);
    EXPECT_FALSE(posix::ScreenSaverRunningMark());
}

}  // namespace
}  // namespace quibac
