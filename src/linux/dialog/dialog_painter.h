// Draws a running dialog the way a classic Windows dialog looks: the raised
// modal frame, the caption bar with its close button, grey-faced push
// buttons (the default one with a black rim), check boxes with their state,
// static texts and rules, and a dotted focus rectangle.
#pragma once

#include "dialog_geometry.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

namespace quibac::linux_dialog {

// Everything the picture depends on, indices into the template's items.
struct DialogView {
    const posix::DialogTemplateInfo* layout = nullptr;
    const DialogGeometry* geometry = nullptr;
    std::vector<unsigned> checks;  // IsDlgButtonChecked per item
    int focused = -1;              // the item with the focus; -1 for the dialog itself
    int defaultButton = -1;        // the push button Enter presses now
    int pressed = -1;              // a button held down under the mouse
    bool closePressed = false;     // the caption's close button held down
};

struct DialogFonts {
    TTF_Font* text = nullptr;     // the dialog font
    TTF_Font* caption = nullptr;  // the caption's bold face
};

class DialogPainter {
public:
    DialogPainter(SDL_Renderer* renderer, DialogFonts fonts) : renderer_(renderer), fonts_(fonts) {}

    void Paint(const DialogView& view);

private:
    void Frame(const DialogGeometry& g);
    void Caption(const DialogView& view);
    void Item(const DialogView& view, size_t index);
    void PushButton(const posix::DialogItemInfo& item, PixelRect r, bool isDefault, bool pressed, bool focused);
    void CheckBox(const posix::DialogItemInfo& item, PixelRect r, unsigned check, bool pressed, bool focused);
    void Static(const posix::DialogItemInfo& item, PixelRect r);

    void Fill(PixelRect r, uint32_t rgb);
    // Two-colour bevel one pixel wide: top and left, then bottom and right.
    void Bevel(PixelRect r, uint32_t topLeft, uint32_t bottomRight);
    void DottedRect(PixelRect r);
    // Text clipped to a rectangle; returns its width in pixels.
    int Text(const std::string& text, TTF_Font* font, uint32_t rgb, int x, int y, PixelRect clip);
    int TextWidth(const std::string& text, TTF_Font* font) const;
    // Lines of a text broken at its line feeds and, within width, at spaces.
    std::vector<std::string> WrapLines(const std::string& text, int width) const;

    SDL_Renderer* renderer_;
    DialogFonts fonts_;
};

// A control's text as shown: "&" marks a mnemonic and is not drawn; "&&" is
// one ampersand.
std::string ShownText(const std::string& text);

}  // namespace quibac::linux_dialog
