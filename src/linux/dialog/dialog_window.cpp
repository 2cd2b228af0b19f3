#include "dialog_window.h"

#include <posix_dialogs.h>

#include <cstdio>

namespace quibac::linux_dialog {
namespace {

// The dialog font stands in for the template's "MS Sans Serif": DejaVu Sans,
// which every Debian desktop has (fonts-dejavu-core).
constexpr const char* kFontFolders[] = {"/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/TTF/",
                                        "/usr/share/fonts/dejavu/"};
constexpr const char* kInvisibleDrivers[] = {"offscreen", "dummy", "evdev"};
constexpr const char kTextFace[] = "DejaVuSans.ttf";
constexpr const char kCaptionFace[] = "DejaVuSans-Bold.ttf";
// Windows sizes a dialog's font at the display's logical resolution.
constexpr unsigned kLogicalDpi = 96;
constexpr int kDefaultPointSize = 8;  // a template without DS_SETFONT gets the system font's size
// Windows' base unit: the average width of the 52 letters, rounded.
constexpr const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetHalf = 26;

TTF_Font* OpenFace(const char* face, int pointSize) {
    for (const char* folder : kFontFolders) {
        const std::string path = std::string(folder) + face;
        if (TTF_Font* font = TTF_OpenFontDPI(path.c_str(), pointSize, kLogicalDpi, kLogicalDpi)) return font;
    }
    return nullptr;
}

BaseUnits MeasureBaseUnits(TTF_Font* font) {
    BaseUnits units;
    int width = 0, height = 0;
    if (TTF_SizeUTF8(font, kAlphabet, &width, &height) == 0) units.x = (width / kAlphabetHalf + 1) / 2;
    units.y = TTF_FontHeight(font);
    if (units.x <= 0) units.x = BaseUnits().x;
    if (units.y <= 0) units.y = BaseUnits().y;
    return units;
}

// The template item that a dialog's control handle stands for; -1 for none.
int ItemOf(HWND dialog, const posix::DialogTemplateInfo& layout, HWND control) {
    if (control == nullptr) return -1;
    for (size_t i = 0; i < layout.items.size(); ++i)
        if (GetDlgItem(dialog, layout.items[i].id) == control) return int(i);
    return -1;
}

int ItemWithId(const posix::DialogTemplateInfo& layout, int id) {
    if (id == 0) return -1;
    for (size_t i = 0; i < layout.items.size(); ++i)
        if (layout.items[i].id == id) return int(i);
    return -1;
}

}  // namespace

std::unique_ptr<DialogWindow> DialogWindow::Open(HWND dialog) {
    std::optional<posix::DialogTemplateInfo> layout = posix::RunningDialogTemplate(dialog);
    if (!layout) return nullptr;
    std::unique_ptr<DialogWindow> w(new DialogWindow());
    w->dialog_ = dialog;
    w->layout_ = std::move(*layout);
    // Subsystems are counted: each window holds one reference to each.
    w->videoStarted_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!w->videoStarted_) {
        std::fprintf(stderr, "quibac: no display for the dialog: %s\n", SDL_GetError());
        return nullptr;
    }
    // SDL falls back to drivers that draw nowhere; a user would wait for a
    // dialog that never shows.
    const char* driver = SDL_GetCurrentVideoDriver();
    for (const char* invisible : kInvisibleDrivers) {
        if (driver == nullptr || SDL_strcasecmp(driver, invisible) == 0) {
            std::fprintf(stderr, "quibac: no display for the dialog (only SDL's %s driver)\n",
                         driver != nullptr ? driver : "null");
            return nullptr;
        }
    }
    w->fontsStarted_ = TTF_Init() == 0;
    if (!w->fontsStarted_) {
        std::fprintf(stderr, "quibac: no font engine for the dialog: %s\n", TTF_GetError());
        return nullptr;
    }
    const int pointSize = w->layout_.hasFont && w->layout_.pointSize > 0 ? w->layout_.pointSize : kDefaultPointSize;
    w->fonts_.text = OpenFace(kTextFace, pointSize);
    w->fonts_.caption = OpenFace(kCaptionFace, pointSize);
    if (w->fonts_.text == nullptr || w->fonts_.caption == nullptr) {
        std::fprintf(stderr, "quibac: the dialog font (%s) is missing\n", kTextFace);
        return nullptr;
    }
    w->geometry_ = LayOutDialog(w->layout_, MeasureBaseUnits(w->fonts_.text));
    // No window manager frame: the dialog draws its own, caption included,
    // and its caption drags the window.
    w->window_ = SDL_CreateWindow(w->layout_.caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  w->geometry_.windowWidth, w->geometry_.windowHeight,
                                  SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (w->window_ == nullptr) {
        std::fprintf(stderr, "quibac: the dialog window could not be made: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_SetWindowHitTest(w->window_, &DialogWindow::HitTest, w.get());
    w->renderer_ = SDL_CreateRenderer(w->window_, -1, SDL_RENDERER_SOFTWARE);
    if (w->renderer_ == nullptr) {
        std::fprintf(stderr, "quibac: the dialog cannot be drawn: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_ShowWindow(w->window_);
    SDL_RaiseWindow(w->window_);
    w->Paint();
    return w;
}

DialogWindow::~DialogWindow() {
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (fonts_.text != nullptr) TTF_CloseFont(fonts_.text);
    if (fonts_.caption != nullptr) TTF_CloseFont(fonts_.caption);
    if (fontsStarted_) TTF_Quit();
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void DialogWindow::DeliverNextInput() {
    SDL_Event event;
    for (;;) {
        if (SDL_WaitEvent(&event) == 0) {
            // The display is gone: the user can no longer answer.
            std::fprintf(stderr, "quibac: the dialog lost its display: %s\n", SDL_GetError());
            posix::PressDialogCloseButton(dialog_);
            return;
        }
        if (Handle(event)) break;
    }
    if (posix::RunningDialogTemplate(dialog_)) Paint();
}

bool DialogWindow::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT: return posix::PressDialogCloseButton(dialog_), true;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) return posix::PressDialogCloseButton(dialog_), true;
        Paint();
        return false;
    case SDL_KEYDOWN: return HandleKey(event.key);
    case SDL_MOUSEBUTTONDOWN:
        return event.button.button == SDL_BUTTON_LEFT && HandleMouseDown(event.button.x, event.button.y);
    case SDL_MOUSEBUTTONUP:
        return event.button.button == SDL_BUTTON_LEFT && HandleMouseUp(event.button.x, event.button.y);
    default: return false;
    }
}

bool DialogWindow::HandleKey(const SDL_KeyboardEvent& key) {
    const bool shift = (key.keysym.mod & KMOD_SHIFT) != 0;
    // Only Tab repeats: a held Enter or Space presses its button once.
    if (key.repeat != 0 && key.keysym.sym != SDLK_TAB) return false;
    switch (key.keysym.sym) {
    case SDLK_TAB: posix::PressDialogKey(dialog_, VK_TAB, shift); break;
    case SDLK_SPACE: posix::PressDialogKey(dialog_, VK_SPACE); break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: posix::PressDialogKey(dialog_, VK_RETURN); break;
    case SDLK_ESCAPE: posix::PressDialogKey(dialog_, VK_ESCAPE); break;
    case SDLK_F4:
        // Alt+F4 is the close button's key; with no window manager frame the
        // dialog takes it itself.
        if ((key.keysym.mod & KMOD_ALT) == 0) return false;
        posix::PressDialogCloseButton(dialog_);
        break;
    default: return false;
    }
    return true;
}

bool DialogWindow::HandleMouseDown(int x, int y) {
    closePressed_ = geometry_.closeButton.Contains(x, y);
    pressed_ = closePressed_ ? -1 : ClickableItemAt(layout_, geometry_, x, y);
    Paint();
    return false;
}

bool DialogWindow::HandleMouseUp(int x, int y) {
    const bool close = closePressed_ && geometry_.closeButton.Contains(x, y);
    const int item = pressed_ >= 0 && ClickableItemAt(layout_, geometry_, x, y) == pressed_ ? pressed_ : -1;
    closePressed_ = false;
    pressed_ = -1;
    // A press counts only where it ends on the button it began on.
    if (close) return posix::PressDialogCloseButton(dialog_), true;
    if (item >= 0) return posix::ClickDialogItem(dialog_, layout_.items[size_t(item)].id), true;
    Paint();
    return false;
}

void DialogWindow::Paint() {
    DialogView view;
    view.layout = &layout_;
    view.geometry = &geometry_;
    for (const posix::DialogItemInfo& item : layout_.items) view.checks.push_back(IsDlgButtonChecked(dialog_, item.id));
    const HWND focus = GetFocus();
    view.focused = focus == dialog_ ? -1 : ItemOf(dialog_, layout_, focus);
    view.defaultButton = ItemWithId(layout_, posix::DialogDefaultButton(dialog_));
    view.pressed = pressed_;
    view.closePressed = closePressed_;
    DialogPainter(renderer_, fonts_).Paint(view);
}

SDL_HitTestResult DialogWindow::HitTest(SDL_Window*, const SDL_Point* point, void* data) {
    const auto* self = static_cast<const DialogWindow*>(data);
    const DialogGeometry& g = self->geometry_;
    if (g.caption.Contains(point->x, point->y) && !g.closeButton.Contains(point->x, point->y))
        return SDL_HITTEST_DRAGGABLE;
    return SDL_HITTEST_NORMAL;
}

}  // namespace quibac::linux_dialog
