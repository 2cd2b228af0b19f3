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
    enum class Kind { Click, Key, Enter, Escape, CloseButton, Run };
    Kind kind = Kind::Escape;
    int itemId = 0;
    std::function<void(HWND dialog)> run;
    WORD key = 0;
    bool shift = false;

    static DialogStep Click(int itemId) { return {Kind::Click, itemId, {}}; }
    static DialogStep Key(WORD virtualKey, bool shift = false) { return {Kind::Key, 0, {}, virtualKey, shift}; }
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
// control. A click on an enabled, visible button gives it the focus, toggles
// an auto check box (or cycles an auto three-state box) and sends WM_COMMAND
// (id, BN_CLICKED).
bool ClickDialogItem(HWND dialog, int itemId);
// A key as IsDialogMessage takes it; GetFocus tells where the focus is. When
// the dialog opens, the focus is on the dialog itself, and on the first
// visible, enabled WS_TABSTOP control if WM_INITDIALOG answers TRUE.
//   VK_TAB: the focus moves to the next such control in template order (the
//     previous one with shift), wrapping; from the dialog itself, the first
//     (last) one.
//   VK_SPACE: the focused button is pressed as a click would press it.
//   VK_RETURN: the focused push button is pressed; with the focus elsewhere,
//     the template's default push button (BS_DEFPUSHBUTTON), or IDOK is sent
//     when there is none. A disabled default button swallows the key.
//   VK_ESCAPE: WM_COMMAND (IDCANCEL, BN_CLICKED).
// Other keys are not the dialog manager's: false.
bool PressDialogKey(HWND dialog, WORD virtualKey, bool shift = false);
bool PressDialogEnter(HWND dialog);   // PressDialogKey with VK_RETURN
bool PressDialogEscape(HWND dialog);  // PressDialogKey with VK_ESCAPE
// The caption's close button: WM_SYSCOMMAND SC_CLOSE, then WM_CLOSE, then,
// when the procedure handles neither, WM_COMMAND (IDCANCEL, BN_CLICKED).
bool PressDialogCloseButton(HWND dialog);
// The owner a running dialog was given.
HWND DialogOwner(HWND dialog);

// ---- looking at a running dialog, to draw it -------------------------------
// The template a running dialog was made from; nullopt once it has ended.
// Check states come from IsDlgButtonChecked, the focus from GetFocus and
// GetDlgCtrlID.
std::optional<DialogTemplateInfo> RunningDialogTemplate(HWND dialog);
// The push button drawn as the default, the one Enter presses: the focused
// push button, else the template's default push button; 0 for none.
int DialogDefaultButton(HWND dialog);

}  // namespace posix
