// The password gate of Windows 95/98: when the verifier is loaded, when it is
// asked, and what the saver does with its answer.
#include "host_window_fixture.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quibac {
namespace {

using testing::HostWindowTest;

// The test verifier: answers from a list and counts its calls. Only the
// window's thread calls it.
struct Verifier {
    std::vector<BOOL> answers;
    int calls = 0;
    std::function<void(HWND)> whilePromptIsUp;
    uint32_t takesMs = 0;  // how long the user takes to answer, in virtual time
};
Verifier g_verifier;

BOOL WINAPI TestVerify(HWND window) {
    Verifier& v = g_verifier;
    const BOOL answer = v.calls < int(v.answers.size()) ? v.answers[size_t(v.calls)] : FALSE;
    ++v.calls;
    if (v.whilePromptIsUp) v.whilePromptIsUp(window);
    posix::AdvanceVirtualTime(v.takesMs);
    return answer;
}

class PasswordTest : public HostWindowTest {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        g_verifier = Verifier();
        posix::ProvideLibrary(kVerifierLibrary, {{kVerifierEntry, testing::Entry(TestVerify)}});
    }
    static void UsePassword(std::vector<uint8_t> value) {
        posix::SetRegistryValue(HKEY_CURRENT_USER, kPasswordSettingsKey, kUsePasswordValue, std::move(value));
    }
    // Queues a close request and lets it through the gate.
    void RequestClose() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        Pump();
    }
    bool Running() const { return IsWindow(window_) != FALSE; }
};

TEST_F(PasswordTest, FirstRequestAsksAtOnceAndAWrongAnswerKeepsTheSaverWithTheCursorHidden) {
    UsePassword({1, 0, 0, 0});
    g_verifier.answers = {FALSE};
    Open(false, true);
    EXPECT_TRUE(posix::ScreenSaverRunningMark());
    posix::SetCursorPosition(testing::kCursorX + 40, testing::kCursorY);
    const int hidden = posix::CursorHideCalls();
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 1);
    EXPECT_TRUE(Running());
    EXPECT_GT(posix::CursorHideCalls(), hidden);
    // The refusal re-anchored the mouse where it is now.
    posix::SetCursorPosition(testing::kCursorX + 44, testing::kCursorY);
    DefaultSaverProc(window_, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(TakeCloseRequests(), 0);
}

// The 200 ms count from the end of a verification, however long the user
// took over the prompt: a verifier that answers at once, and one that takes
// 500 ms of virtual time.
class RateLimitTest : public PasswordTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(RateLimitTest, BurstAsksOnceAndRequestsWithin200MsAfterTheAnswerAreRefused) {
    UsePassword({1, 0, 0, 0});
    g_verifier.answers = {FALSE, TRUE};
    g_verifier.takesMs = GetParam();
    Open(false, true);
    for (int i = 0; i < 3; ++i) PostMessageA(window_, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(g_verifier.calls, 1);
    posix::AdvanceVirtualTime(kPasswordRetryMs - 1);
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 1) << "199 ms after the answer";
    posix::AdvanceVirtualTime(1);
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 2);
    EXPECT_FALSE(Running()) << "the right answer closes";
    Close();
    EXPECT_FALSE(posix::ScreenSaverRunningMark());
}

INSTANTIATE_TEST_SUITE_P(VerifierTakesMs, RateLimitTest, ::testing::Values(0u, 500u));

TEST_F(PasswordTest, RequestWhileThePromptIsUpIsRefusedWithoutAskingAgain) {
    UsePassword({1, 0, 0, 0});
    g_verifier.answers = {TRUE};
    LRESULT nested = -1;
    g_verifier.whilePromptIsUp = [&](HWND window) { nested = SendMessageA(window, WM_CLOSE, 0, 0); };
    Open(false, true);
    RequestClose();
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(g_verifier.calls, 1);
    EXPECT_FALSE(Running());
}

TEST_F(PasswordTest, AtMostTwoTimerMessagesQueuedBeforeThePromptAreDiscarded) {
    UsePassword({1, 0, 0, 0});
    const struct {
        int queued;
        int leftWhilePromptIsUp;
    } cases[] = {{1, 0}, {2, 0}, {3, 1}, {5, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.queued) + " timer messages queued");
        g_verifier = Verifier();
        int left = -1;
        g_verifier.whilePromptIsUp = [&](HWND window) {
            left = 0;
            MSG timer{};
            while (PeekMessageA(&timer, window, WM_TIMER, WM_TIMER, PM_REMOVE)) ++left;
        };
        posix::AdvanceVirtualTime(kPasswordRetryMs);  // past the last case's verification
        Open(false, true);
        PostMessageA(window_, WM_CLOSE, 0, 0);
        for (int i = 0; i < c.queued; ++i) PostMessageA(window_, WM_TIMER, WPARAM(i + 1), 0);
        Pump();
        EXPECT_EQ(g_verifier.calls, 1);
        EXPECT_EQ(left, c.leftWhilePromptIsUp);
        Close();
    }
}

// VerifyPasswordMsg, as the gate sends it and as anyone else may.
struct VerifyMessageRow {
    const char* name;
    bool win9x;
    bool withVerifier;
    BOOL verifierAnswer;
    LRESULT answer;
    int verifierCalls;
};

class VerifyMessageTest : public PasswordTest, public ::testing::WithParamInterface<VerifyMessageRow> {};

TEST_P(VerifyMessageTest, IsAnsweredByTheVerifierOnWindows9xOnly) {
    const VerifyMessageRow& row = GetParam();
    UsePassword({1, 0, 0, 0});
    if (!row.withVerifier) posix::ProvideLibrary(kVerifierLibrary, {});
    g_verifier.answers = {row.verifierAnswer};
    Open(false, row.win9x);
    EXPECT_EQ(SendMessageA(window_, VerifyPasswordMsg, 0, 0), row.answer);
    EXPECT_EQ(g_verifier.calls, row.verifierCalls);
    EXPECT_TRUE(Running()) << "the answer alone closes nothing";
}

const VerifyMessageRow kVerifyMessageRows[] = {
    {"RightPassword", true, true, TRUE, 1, 1},
    {"WrongPassword", true, true, FALSE, 0, 1},
    {"RawAnswerKept", true, true, 7, 7, 1},
    {"NoVerifier", true, false, FALSE, 1, 0},
    {"OnNtThePlatformsDefault", false, true, TRUE, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Answers, VerifyMessageTest, ::testing::ValuesIn(kVerifyMessageRows),
                         testing::RowName<VerifyMessageRow>);

TEST_F(PasswordTest, RateLimitCountsAcrossTheWrapOfTheTickCounter) {
    UsePassword({1, 0, 0, 0});
    Open(false, true);
    // A verification that ends on the counter's very last value.
    posix::SetMillisecondClocks(0, 0xFFFFFFFFu);
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 1);
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 1) << "0xFFFFFFFF is a time like any other";
    posix::AdvanceVirtualTime(150);  // the counter has wrapped
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 1);
    posix::AdvanceVirtualTime(50);
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 2);
}

struct NoPasswordRow {
    const char* name;
    std::vector<uint8_t> value;  // empty: no value at all
    bool withVerifier;
};

class NoPasswordTest : public PasswordTest, public ::testing::WithParamInterface<NoPasswordRow> {};

TEST_P(NoPasswordTest, FirstRequestClosesAtOnceAndTheSaverIsNeverMarkedRunning) {
    const NoPasswordRow& row = GetParam();
    if (!row.value.empty()) UsePassword(row.value);
    if (!row.withVerifier) posix::ProvideLibrary(kVerifierLibrary, {});
    Open(false, true);
    RequestClose();
    EXPECT_FALSE(Running());
    EXPECT_EQ(g_verifier.calls, 0);
    EXPECT_EQ(posix::SystemParameterCalls(), 0);
    EXPECT_EQ(posix::OpenRegistryKeys(), 0);
    EXPECT_EQ(posix::LoadedLibraries(), 0);
}

const NoPasswordRow kNoPasswordRows[] = {
    {"ValueAbsent", {}, true},
    {"ValueZero", {0, 0, 0, 0}, true},
    {"ShortValueZero", {0}, true},
    {"ValueLongerThanFourBytes", {1, 0, 0, 0, 0}, true},
    {"VerifierWithoutItsEntry", {1, 0, 0, 0}, false},
};

INSTANTIATE_TEST_SUITE_P(Settings, NoPasswordTest, ::testing::ValuesIn(kNoPasswordRows),
                         testing::RowName<NoPasswordRow>);

TEST_F(PasswordTest, ShortNonZeroValueAsksForThePassword) {
    UsePassword({1});
    Open(false, true);
    RequestClose();
    EXPECT_EQ(g_verifier.calls, 1);
}

TEST_F(PasswordTest, OnNtNothingOfThePasswordSchemeIsTouched) {
    UsePassword({1, 0, 0, 0});
    Open(false, false);
    PostMessageA(window_, VerifyPasswordMsg, 0, 0);
    RequestClose();
    EXPECT_FALSE(Running());
    EXPECT_EQ(g_verifier.calls, 0);
    EXPECT_EQ(posix::RegistryCalls(), 0);
    EXPECT_EQ(posix::LibraryLoadCalls(), 0);
    EXPECT_EQ(posix::SystemParameterCalls(), 0);
}

}  // namespace
}  // namespace quibac
