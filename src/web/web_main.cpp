// The show in a web page: the saver's full-screen mode over the platform
// layer, run again whenever the page's canvas changes size or Stretch, drawn
// into the canvas by the page. Input stays the page's: a page is not ended
// by a key as a screen saver is.
#include "page_link.h"
#include "page_options.h"
#include "pinned_clocks.h"

#include "host/host.h"
#include "settings/settings.h"

#include <posix_platform.h>
#include <posix_profile.h>

#include <emscripten/em_asm.h>

#include <sys/stat.h>

#include <string>
#include <vector>

using namespace quibac::web;

namespace {

// The page's Stretch reaches the saver as the desktop's does: through
// QUIBAC.INI, here in the page's own memory, written before each run.
constexpr char kSettingsFolder[] = "/quibac";
constexpr mode_t kFolderMode = 0700;

void ApplyStretch(bool stretch) {
    mkdir(kSettingsFolder, kFolderMode);
    posix::SetProfileDirectory(kSettingsFolder);
    quibac::Settings settings;
    settings.Stretch = stretch ? 1 : 0;
    quibac::WriteSettings(settings);
}

void TellPage(const PageOptions& options) {
    for (const std::string& problem : options.problems)
        MAIN_THREAD_EM_ASM({ Module.quibacPage.problem(UTF8ToString($0)); }, problem.c_str());
    if (options.date)
        MAIN_THREAD_EM_ASM({ Module.quibacPage.pinnedDate($0, $1, $2); }, options.date->year, options.date->month,
                           options.date->day);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const PageOptions options = ReadPageOptions(arguments);
    TellPage(options);
    PageLink link;
    for (;;) {
        const ScreenRequest screen = link.NextScreen();
        posix::ResetPlatform(screen.width, screen.height);
        ApplyStretch(screen.stretch);
        quibac::show_start::PinClocks(options.date, options.seed);
        link.StartSession();
        const int result = quibac::HostMain(GetModuleHandleA(nullptr), "/s");
        link.EndSession();
        // A run that ended on its own is not started again until the page
        // asks for another screen: a failing start must not spin.
        if (!link.RestartWanted()) MAIN_THREAD_EM_ASM({ Module.quibacPage.stopped($0); }, result);
    }
}
