#include "dialog_painter.h"

#include <strings.h>

#include <algorithm>

namespace quibac::linux_dialog {
namespace {

// The classic system colours, 0xRRGGBB.
constexpr uint32_t kFace = 0xC0C0C0;
constexpr uint32_t kHighlight = 0xFFFFFF;
constexpr uint32_t kLight = 0xDFDFDF;
constexpr uint32_t kShadow = 0x808080;
constexpr uint32_t kDarkShadow = 0x000000;
constexpr uint32_t kCaptionFill = 0x000080;
constexpr uint32_t kCaptionText = 0xFFFFFF;
constexpr uint32_t kText = 0x000000;
constexpr uint32_t kGrayText = 0x808080;
constexpr uint32_t kBoxFill = 0xFFFFFF;

// A check box's square, the gap to its text, and the tick inside it.
constexpr int kBoxSide = 13;
constexpr int kBoxTextGap = 4;
constexpr int kTickInset = 3;
// The focus rectangle inside a push button, and around a check box's text.
constexpr int kButtonFocusInset = 4;
constexpr int kTextFocusMargin = 1;
constexpr int kCaptionTextIndent = 4;
// The close button's cross, from its corners.
constexpr int kCrossInsetX = 4;
constexpr int kCrossInsetY = 3;

SDL_Color Colour(uint32_t rgb) { return {Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb), 0xFF}; }

PixelRect Inset(PixelRect r, int by) {
    return {r.x + by, r.y + by, std::max(r.w - 2 * by, 0), std::max(r.h - 2 * by, 0)};
}

bool IsButton(const posix::DialogItemInfo& item) { return strcasecmp(item.className.c_str(), "Button") == 0; }
bool IsStatic(const posix::DialogItemInfo& item) { return strcasecmp(item.className.c_str(), "Static") == 0; }
bool IsDisabled(const posix::DialogItemInfo& item) { return (item.style & WS_DISABLED) != 0; }

}  // namespace

std::string ShownText(const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;  // the marked letter (or the second '&') is kept
        else if (text[i] == '&')
            continue;
        shown.push_back(text[i]);
    }
    return shown;
}

void DialogPainter::Paint(const DialogView& view) {
    const DialogGeometry& g = *view.geometry;
    SDL_RenderSetClipRect(renderer_, nullptr);
    Fill({0, 0, g.windowWidth, g.windowHeight}, kFace);
    Frame(g);
    Caption(view);
    const size_t count = std::min(view.layout->items.size(), g.controls.size());
    for (size_t i = 0; i < count; ++i) Item(view, i);
    SDL_RenderSetClipRect(renderer_, nullptr);
    SDL_RenderPresent(renderer_);
}

void DialogPainter::Frame(const DialogGeometry& g) {
    const PixelRect outer{0, 0, g.windowWidth, g.windowHeight};
    Bevel(outer, kLight, kDarkShadow);
    Bevel(Inset(outer, 1), kHighlight, kShadow);
}

void DialogPainter::Caption(const DialogView& view) {
    const DialogGeometry& g = *view.geometry;
    if (g.caption.w <= 0 || g.caption.h <= 0) return;
    Fill(g.caption, kCaptionFill);
    PixelRect textClip = g.caption;
    if (g.closeButton.w > 0) textClip.w = g.closeButton.x - g.caption.x;
    const int textY = g.caption.y + (g.caption.h - TTF_FontHeight(fonts_.caption)) / 2;
    Text(view.layout->caption, fonts_.caption, kCaptionText, g.caption.x + kCaptionTextIndent, textY, textClip);

    const PixelRect close = g.closeButton;
    if (close.w <= 0) return;
    Fill(close, kFace);
    if (view.closePressed) {
        Bevel(close, kDarkShadow, kHighlight);
        Bevel(Inset(close, 1), kShadow, kLight);
    } else {
        Bevel(close, kHighlight, kDarkShadow);
        Bevel(Inset(close, 1), kLight, kShadow);
    }
    // The cross, two pixels thick, nudged like a pressed button's face.
    const int shift = view.closePressed ? 1 : 0;
    const int x0 = close.x + kCrossInsetX + shift, x1 = close.x + close.w - 1 - kCrossInsetX - 1 + shift;
    const int y0 = close.y + kCrossInsetY + shift, y1 = close.y + close.h - 1 - kCrossInsetY - 1 + shift;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0xFF);
    for (int dx = 0; dx < 2; ++dx) {
        SDL_RenderDrawLine(renderer_, x0 + dx, y0, x1 + dx, y1);
        SDL_RenderDrawLine(renderer_, x1 + dx, y0, x0 + dx, y1);
    }
}

void DialogPainter::Item(const DialogView& view, size_t index) {
    const posix::DialogItemInfo& item = view.layout->items[index];
    if ((item.style & WS_VISIBLE) == 0) return;
    const PixelRect r = view.geometry->controls[index];
    const int i = int(index);
    const unsigned check = index < view.checks.size() ? view.checks[index] : 0;
    if (IsButton(item)) {
        switch (item.style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            PushButton(item, r, view.defaultButton == i, view.pressed == i, view.focused == i);
            break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: CheckBox(item, r, check, view.pressed == i, view.focused == i); break;
        default: break;  // group boxes and owner-drawn buttons: not in the saver's dialogs
        }
    } else if (IsStatic(item)) {
        Static(item, r);
    }
}

void DialogPainter::PushButton(const posix::DialogItemInfo& item, PixelRect r, bool isDefault, bool pressed,
                               bool focused) {
    Fill(r, kFace);
    PixelRect face = r;
    if (isDefault) {
        Bevel(face, kDarkShadow, kDarkShadow);
        face = Inset(face, 1);
    }
    if (pressed) {
        Bevel(face, kShadow, kShadow);
    } else {
        Bevel(face, kHighlight, kDarkShadow);
        Bevel(Inset(face, 1), kLight, kShadow);
    }
    const std::string text = ShownText(item.text);
    const int shift = pressed ? 1 : 0;
    const int x = r.x + (r.w - TextWidth(text, fonts_.text)) / 2 + shift;
    const int y = r.y + (r.h - TTF_FontHeight(fonts_.text)) / 2 + shift;
    Text(text, fonts_.text, IsDisabled(item) ? kGrayText : kText, x, y, Inset(face, 2));
    if (focused) DottedRect(Inset(r, kButtonFocusInset));
}

void DialogPainter::CheckBox(const posix::DialogItemInfo& item, PixelRect r, unsigned check, bool pressed,
                             bool focused) {
    const PixelRect box{r.x, r.y + (r.h - kBoxSide) / 2, kBoxSide, kBoxSide};
    // A box held down, or a three-state box in its third state, shows grey.
    Fill(box, pressed || check == 2 ? kFace : kBoxFill);
    Bevel(box, kShadow, kHighlight);
    Bevel(Inset(box, 1), kDarkShadow, kLight);
    if (check != 0) {
        // A tick: down from the left, then up to the right, three pixels thick.
        const PixelRect in = Inset(box, kTickInset);
        const uint32_t ink = check == 2 ? kShadow : kText;
        SDL_SetRenderDrawColor(renderer_, Uint8(ink >> 16), Uint8(ink >> 8), Uint8(ink), 0xFF);
        const int bottomX = in.x + in.w / 3, bottomY = in.y + in.h - 1 - 2;
        for (int t = 0; t < 3; ++t) {
            SDL_RenderDrawLine(renderer_, in.x, in.y + in.h / 3 + t, bottomX, bottomY + t);
            SDL_RenderDrawLine(renderer_, bottomX, bottomY + t, in.x + in.w - 1, in.y + t);
        }
    }
    const std::string text = ShownText(item.text);
    const int textX = box.x + kBoxSide + kBoxTextGap;
    const int textY = r.y + (r.h - TTF_FontHeight(fonts_.text)) / 2;
    const PixelRect clip{textX, r.y, std::max(r.x + r.w - textX, 0), r.h};
    const int width = Text(text, fonts_.text, IsDisabled(item) ? kGrayText : kText, textX, textY, clip);
    if (focused)
        DottedRect({textX - kTextFocusMargin, textY - kTextFocusMargin, std::min(width, clip.w) + 2 * kTextFocusMargin,
                    TTF_FontHeight(fonts_.text) + 2 * kTextFocusMargin});
}

void DialogPainter::Static(const posix::DialogItemInfo& item, PixelRect r) {
    switch (item.style & SS_TYPEMASK) {
    case SS_BLACKRECT: Fill(r, kDarkShadow); return;
    case SS_GRAYRECT: Fill(r, kShadow); return;
    case SS_WHITERECT: Fill(r, kHighlight); return;
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT: break;
    default: return;  // icons, frames and the rest: not in the saver's dialogs
    }
    const uint32_t kind = item.style & SS_TYPEMASK;
    const int lineHeight = TTF_FontHeight(fonts_.text);
    int y = r.y;
    for (const std::string& line : WrapLines(ShownText(item.text), r.w)) {
        if (y >= r.y + r.h) break;
        const int width = TextWidth(line, fonts_.text);
        const int x = kind == SS_CENTER ? r.x + (r.w - width) / 2 : kind == SS_RIGHT ? r.x + r.w - width : r.x;
        Text(line, fonts_.text, IsDisabled(item) ? kGrayText : kText, x, y, r);
        y += lineHeight;
    }
}

void DialogPainter::Fill(PixelRect r, uint32_t rgb) {
    if (r.w <= 0 || r.h <= 0) return;
    const SDL_Rect rect{r.x, r.y, r.w, r.h};
    SDL_SetRenderDrawColor(renderer_, Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb), 0xFF);
    SDL_RenderFillRect(renderer_, &rect);
}

void DialogPainter::Bevel(PixelRect r, uint32_t topLeft, uint32_t bottomRight) {
    if (r.w <= 0 || r.h <= 0) return;
    Fill({r.x, r.y, r.w, 1}, topLeft);
    Fill({r.x, r.y, 1, r.h}, topLeft);
    Fill({r.x, r.y + r.h - 1, r.w, 1}, bottomRight);
    Fill({r.x + r.w - 1, r.y, 1, r.h}, bottomRight);
}

void DialogPainter::DottedRect(PixelRect r) {
    if (r.w <= 0 || r.h <= 0) return;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0xFF);
    // Every other pixel, counted around the rectangle as Windows' focus rectangle is.
    for (int x = r.x; x < r.x + r.w; x += 2) {
        SDL_RenderDrawPoint(renderer_, x, r.y);
        SDL_RenderDrawPoint(renderer_, x, r.y + r.h - 1);
    }
    for (int y = r.y; y < r.y + r.h; y += 2) {
        SDL_RenderDrawPoint(renderer_, r.x, y);
        SDL_RenderDrawPoint(renderer_, r.x + r.w - 1, y);
    }
}

int DialogPainter::Text(const std::string& text, TTF_Font* font, uint32_t rgb, int x, int y, PixelRect clip) {
    if (text.empty() || clip.w <= 0 || clip.h <= 0) return 0;
    SDL_Surface* surface = TTF_RenderUTF8_Blended(font, text.c_str(), Colour(rgb));
    if (surface == nullptr) return 0;  // a glyph the font cannot render: the text is left out
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer_, surface);
    const int width = surface->w;
    if (texture != nullptr) {
        const SDL_Rect clipRect{clip.x, clip.y, clip.w, clip.h};
        const SDL_Rect target{x, y, surface->w, surface->h};
        SDL_RenderSetClipRect(renderer_, &clipRect);
        SDL_RenderCopy(renderer_, texture, nullptr, &target);
        SDL_RenderSetClipRect(renderer_, nullptr);
        SDL_DestroyTexture(texture);
    }
    SDL_FreeSurface(surface);
    return width;
}

int DialogPainter::TextWidth(const std::string& text, TTF_Font* font) const {
    int width = 0, height = 0;
    if (text.empty() || TTF_SizeUTF8(font, text.c_str(), &width, &height) != 0) return 0;
    return width;
}

std::vector<std::string> DialogPainter::WrapLines(const std::string& text, int width) const {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        // Words go onto the line while it fits; a word wider than the whole
        // line stands alone and is clipped.
        std::string line;
        size_t at = 0;
        while (at <= paragraph.size()) {
            size_t space = paragraph.find(' ', at);
            if (space == std::string::npos) space = paragraph.size();
            const std::string word = paragraph.substr(at, space - at);
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && TextWidth(candidate, fonts_.text) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            at = space + 1;
        }
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace quibac::linux_dialog
