#include "sdl_dialog.h"

#include "dialog_window.h"

#include <posix_dialogs.h>

#include <memory>

namespace quibac {
namespace {

using linux_dialog::DialogWindow;

// The window of the dialog being driven; a new dialog gets a new window,
// and an ended one loses its window at once.
struct SdlDialogDriver {
    std::unique_ptr<DialogWindow> window;

    bool Drive(HWND dialog) {
        if (window == nullptr || window->dialog() != dialog) {
            window.reset();
            window = DialogWindow::Open(dialog);
            if (window == nullptr) return false;  // the platform closes the dialog
        }
        window->DeliverNextInput();
        if (!posix::RunningDialogTemplate(dialog)) window.reset();
        return true;
    }
};

}  // namespace

void UseSdlDialogs() {
    auto driver = std::make_shared<SdlDialogDriver>();
    posix::SetDialogDriver([driver](HWND dialog) { return driver->Drive(dialog); });
}

}  // namespace quibac
