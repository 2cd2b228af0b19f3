// Test controls of the POSIX platform layer for dialogs: reading dialog
// templates, and driving a modal dialog the way a user would. Nothing in the
// saver's own code includes this header.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace posix {

// ---- dialog templates ----------------------------------------------------
// A classic (DIALOG) template as DialogBoxParamA reads it. Texts are UTF-8.
struct DialogItemInfo {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    int id = 0;                        // the 16-bit id, sign-extended (-1 for 0xFFFF)
    std::string className;             // predefined classes by their names: "Button", "Static", ...
    std::string text;                  // "#n" for an ordinal (such as an icon id)
    size_t creationDataSize = 0;
};

struct DialogTemplateInfo {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;       // empty for none, "#n" for an ordinal
    std::string className;  // empty for the platform's dialog class
    std::string caption;
    bool hasFont = false;  // DS_SETFONT
    int pointSize = 0;
    std::string typeface;
    std::vector<DialogItemInfo> items;
};

// Parses a dialog template; nullopt for bytes that do not hold a whole
// classic template (extended DIALOGEX templates included).
std::optional<DialogTemplateInfo> ParseDialogTemplate(const void* data, size_t size);

// ---- driving a modal dialog ------------------------------------------------
// DialogBoxParamA runs its modal loop by calling the dialog driver again and
// again until the dialog ends. A driver acts through the input functions below
// and returns true; when it returns false (or when no driver is set, or after
// kMaxDialogSteps calls) the user is taken to have walked away: the platform
// presses the close button, ends the dialog with 0 if that did not end it, and
// counts an unattended dialog, so a test can never hang in a dialog.
using DialogDriver = std::function<bool(HWND dialog)>;
constexpr int kMaxDialogSteps = 10000;
void SetDialogDriver(DialogDriver driver);
int UnattendedDialogs();

// One user action, for scripted dialogs.
struct DialogStep {
    enum class Kind { Click, Enter, Escape, CloseButton, Run };
    Kind kind = Kind::Escape;
    int itemId = 0;
    std::function<void(HWND dialog)> run;

    static DialogStep Click(int itemId) { return {Kind::Click, itemId, {}}; }
    static DialogStep Enter() { return {Kind::Enter, 0, {}}; }
    static DialogStep Escape() { return {Kind::Escape, 0, {}}; }
    static DialogStep CloseButton() { return {Kind::CloseButton, 0, {}}; }
    // Runs a function on the open dialog, to look at it between actions.
    static DialogStep Run(std::function<void(HWND dialog)> fn) { return {Kind::Run, 0, std::move(fn)}; }
};
// Sets a driver that performs the steps in order, one per turn of the modal
// loop, across however many dialogs open; when they run out the dialog left
// open is unattended.
void ScriptDialog(std::vector<DialogStep> steps);

// User input to a running dialog, as Windows' dialog manager delivers it.
// Each returns false when the dialog is not running or the input reached no
// control. A click on an enabled, visible button toggles an auto check box
// (or cycles an auto three-state box) and sends WM_COMMAND (id, BN_CLICKED).
bool ClickDialogItem(HWND dialog, int itemId);
// Enter clicks the default push button (WM_COMMAND with its id), or sends
// IDOK when the dialog has none.
bool PressDialogEnter(HWND dialog);
// Esc sends WM_COMMAND IDCANCEL.
bool PressDialogEscape(HWND dialog);
// The caption's close button: WM_SYSCOMMAND SC_CLOSE, then WM_CLOSE, then,
// when the procedure handles neither, WM_COMMAND (IDCANCEL, BN_CLICKED).
bool PressDialogCloseButton(HWND dialog);
// The owner a running dialog was given.
HWND DialogOwner(HWND dialog);

}  // namespace posix
