// Stands in for the password control panel of Windows 95/98, which the saver
// loads as PASSWORD.CPL and asks before it closes. It asks nobody: it answers
// from a file the suite writes and records every call, so that the suite can
// count the prompts a run would have shown and say when each came.
//
// Both files are in the folder named by QUIBAC_TEST_PASSWORD_DIR:
//   answers  one answer per line for the successive calls, the last line
//            repeated for any call beyond it; "right" lets the close proceed,
//            anything else refuses it
//   calls    one line appended per call: GetTickCount() at the call, then the
//            answer given
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr const char kFolderVariable[] = "QUIBAC_TEST_PASSWORD_DIR";
constexpr const char kRightAnswer[] = "right";
constexpr const char kNoAnswer[] = "none";

std::string Folder() {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(kFolderVariable, buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND) {
    const DWORD tick = GetTickCount();
    const std::string folder = Folder();
    if (folder.empty()) return FALSE;
    const std::string callsPath = folder + "\\calls";
    const std::vector<std::string> answers = Lines(folder + "\\answers");
    const size_t callIndex = Lines(callsPath).size();
    const std::string answer =
        answers.empty() ? kNoAnswer : answers[callIndex < answers.size() ? callIndex : answers.size() - 1];
    std::ofstream(callsPath, std::ios::app) << tick << ' ' << answer << '\n';
    return answer == kRightAnswer ? TRUE : FALSE;
}
