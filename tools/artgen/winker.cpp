// Quib's face, front on: frame 0 at rest, frames 1..6 one wink of the left
// eye (the viewer's right), closing over three frames and opening over three.
#include "draw.h"
#include "elf_face.h"
#include "layout.h"
#include "pictures.h"

#include <array>
#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kOutline = Hex(0x3B2314);
constexpr Rgb kSkin = Hex(0xF8D3B6);
constexpr Rgb kSkinShade = Hex(0xEBB391);
constexpr Rgb kCheek = Hex(0xF2837F);
constexpr Rgb kHair = Hex(0xC9642C);
constexpr Rgb kHairShade = Hex(0x9C4518);
constexpr Rgb kTunic = Hex(0x2FA24D);
constexpr Rgb kTunicShade = Hex(0x1C7535);
constexpr Rgb kRed = Hex(0xD8283A);
constexpr Rgb kRedShade = Hex(0xA3172A);
constexpr Rgb kFur = Hex(0xFFFFFF);
constexpr Rgb kFurShade = Hex(0xD6E0EC);
constexpr Rgb kGold = Hex(0xF4C132);
constexpr Rgb kIris = Hex(0x3E7D3A);
constexpr Rgb kPupil = Hex(0x1E130C);
constexpr double kLine = 4.0;

// How far the winking eye is closed in each frame (0 open, 1 shut).
constexpr std::array<double, kWinkFrames> kClosure = {0.0, 0.45, 0.85, 1.0, 1.0, 0.6, 0.22};

constexpr double kCx = 151.5;   // the face's centre line
constexpr double kFaceY = 236;  // centre of the face
constexpr double kEyeY = 232;
constexpr double kEyeDx = 40;  // eye centres either side of the centre line
constexpr double kEyeRx = 21, kEyeRy = 27;

// The face's shading, also used for the eyelid so that the lid matches the
// skin around it.
void FaceSource(cairo_t* cr) {
    RadialSource(cr, kCx - 18, kFaceY - 20, 10, 112, {{0, Lighten(kSkin, 0.25)}, {0.55, kSkin}, {1, kSkinShade}});
}

void Ear(cairo_t* cr, double side) {
    cairo_save(cr);
    cairo_translate(cr, kCx, 0);
    cairo_scale(cr, side, 1);
    cairo_move_to(cr, 88, 250);
    cairo_curve_to(cr, 110, 246, 130, 214, 142, 168);
    cairo_curve_to(cr, 118, 186, 98, 200, 86, 212);
    cairo_close_path(cr);
    FillPreserveThenStroke(cr, kSkin, kOutline, kLine);
    cairo_new_path(cr);
    cairo_move_to(cr, 96, 234);
    cairo_curve_to(cr, 108, 228, 120, 210, 130, 186);
    SetColour(cr, kCheek, 0.7);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Hat(cairo_t* cr) {
    // Cone flopping over to the right, then the pompom, then the fur band.
    cairo_move_to(cr, 58, 150);
    cairo_curve_to(cr, 62, 80, 120, 34, 190, 36);
    cairo_curve_to(cr, 236, 38, 268, 62, 270, 104);
    cairo_curve_to(cr, 256, 86, 236, 82, 228, 96);
    cairo_curve_to(cr, 236, 114, 244, 130, 246, 150);
    cairo_close_path(cr);
    LinearSource(cr, 70, 150, 230, 40, {{0, kRedShade}, {0.5, kRed}, {1, Lighten(kRed, 0.14)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_move_to(cr, 100, 92);
    cairo_curve_to(cr, 130, 66, 170, 58, 204, 66);
    SetColour(cr, Lighten(kRed, 0.3), 0.55);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);

    cairo_save(cr);
    cairo_translate(cr, 268, 112);
    cairo_new_sub_path(cr);
    for (int i = 0; i < 12; ++i) {
        const double a0 = i * kPi / 6, a1 = (i + 1) * kPi / 6;
        cairo_arc(cr, 19 * std::cos((a0 + a1) / 2), 19 * std::sin((a0 + a1) / 2), 6.5, a0 - 0.9, a1 + 0.9);
    }
    cairo_close_path(cr);
    RadialSource(cr, -7, -7, 2, 28, {{0, kFur}, {0.55, kFur}, {1, kFurShade}});
    FillSourceThenStroke(cr, kOutline, 3.2);
    cairo_restore(cr);

    cairo_move_to(cr, 40, 148);
    cairo_curve_to(cr, 90, 122, 213, 122, 263, 148);
    cairo_curve_to(cr, 272, 154, 270, 178, 258, 182);
    cairo_curve_to(cr, 206, 160, 97, 160, 45, 182);
    cairo_curve_to(cr, 33, 178, 31, 154, 40, 148);
    cairo_close_path(cr);
    LinearSource(cr, 0, 128, 0, 182, {{0, kFur}, {0.6, kFur}, {1, kFurShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    // Soft tufts in the fur.
    SetColour(cr, kFurShade);
    cairo_set_line_width(cr, 2.5);
    for (double x = 64; x < 250; x += 26) {
        const double y = 158 + 0.00035 * (x - kCx) * (x - kCx) * 8;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 4, y - 5, x + 9, y - 5, x + 12, y);
    }
    cairo_stroke(cr);
}

void Eye(cairo_t* cr, double x, double closure) {
    const double top = kEyeY - kEyeRy, height = 2 * kEyeRy;
    if (closure < 1.0) {
        EllipsePath(cr, x, kEyeY, kEyeRx, kEyeRy);
        FillPreserveThenStroke(cr, Hex(0xFFFFFF), kOutline, kLine);
        cairo_save(cr);
        cairo_clip(cr);
        const double ix = x + (x < kCx ? 3 : -3), iy = kEyeY + 4;
        cairo_arc(cr, ix, iy, 15, 0, 2 * kPi);
        RadialSource(cr, ix, iy + 4, 2, 15, {{0, Lighten(kIris, 0.35)}, {1, kIris}});
        cairo_fill(cr);
        cairo_arc(cr, ix, iy, 8.5, 0, 2 * kPi);
        SetColour(cr, kPupil);
        cairo_fill(cr);
        cairo_arc(cr, ix - 5, iy - 6, 5, 0, 2 * kPi);
        cairo_arc(cr, ix + 5, iy + 6, 2.2, 0, 2 * kPi);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    if (closure <= 0) return;
    // The lid comes down over the eye; its edge bows downwards like the eye's
    // own lower rim, so that a shut eye is a smiling curve.
    const double edge = top + height * closure;
    const double bow = 8 + 6 * closure;
    cairo_save(cr);
    EllipsePath(cr, x, kEyeY, kEyeRx + kLine, kEyeRy + kLine);
    cairo_clip(cr);
    cairo_move_to(cr, x - kEyeRx - 8, top - 8);
    cairo_line_to(cr, x + kEyeRx + 8, top - 8);
    cairo_line_to(cr, x + kEyeRx + 8, edge - bow);
    cairo_curve_to(cr, x + kEyeRx / 2, edge + bow * 0.6, x - kEyeRx / 2, edge + bow * 0.6, x - kEyeRx - 8, edge - bow);
    cairo_close_path(cr);
    FaceSource(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    // Lash line along the lid's edge, clipped to the eye's width.
    const double ends = closure >= 1.0 ? kEyeY + 2 : edge - bow * 0.45;
    const double sag = closure >= 1.0 ? kEyeY + 16 : edge + bow * 0.45;
    cairo_move_to(cr, x - kEyeRx - 1, ends);
    cairo_curve_to(cr, x - kEyeRx / 2, sag, x + kEyeRx / 2, sag, x + kEyeRx + 1, ends);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, closure >= 1.0 ? 5 : kLine);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (closure >= 1.0) {
        // Two lashes at the outer corner.
        const double s = x > kCx ? 1 : -1;
        cairo_move_to(cr, x + s * (kEyeRx - 2), ends + 2);
        cairo_line_to(cr, x + s * (kEyeRx + 8), ends - 5);
        cairo_move_to(cr, x + s * (kEyeRx - 9), ends + 8);
        cairo_line_to(cr, x + s * (kEyeRx - 4), ends + 1);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
}

void Brow(cairo_t* cr, double x, double lower) {
    const double y = kEyeY - kEyeRy - 14 + lower;
    cairo_move_to(cr, x - 20, y + 5 - lower * 0.3);
    cairo_curve_to(cr, x - 10, y - 7, x + 10, y - 7, x + 20, y + 3);
    SetColour(cr, kHairShade);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

}  // namespace

void DrawQuibFace(cairo_t* cr, double closure) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Shoulders and collar below the face.
    cairo_move_to(cr, 22, 390);
    cairo_curve_to(cr, 26, 352, 60, 334, 110, 330);
    cairo_line_to(cr, 193, 330);
    cairo_curve_to(cr, 243, 334, 277, 352, 281, 390);
    cairo_close_path(cr);
    LinearSource(cr, 0, 330, 0, 390, {{0, kTunic}, {1, kTunicShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_rectangle(cr, kCx - 26, 300, 52, 40);
    FillThenStroke(cr, kSkinShade, kOutline, kLine);
    cairo_move_to(cr, 62, 338);
    const double collar[][2] = {{84, 372},  {106, 346}, {128, 378}, {151.5, 350},
                                {175, 378}, {197, 346}, {219, 372}, {241, 338}};
    for (const auto& p : collar) cairo_line_to(cr, p[0], p[1]);
    cairo_curve_to(cr, 200, 318, 103, 318, 62, 338);
    cairo_close_path(cr);
    FillThenStroke(cr, kRed, kOutline, kLine);
    cairo_arc(cr, kCx, 352, 9, 0, 2 * kPi);
    FillThenStroke(cr, kGold, kOutline, 3);

    Ear(cr, -1);
    Ear(cr, 1);
    // Face.
    EllipsePath(cr, kCx, kFaceY, 96, 100);
    FaceSource(cr);
    FillSourceThenStroke(cr, kOutline, kLine);
    // Side locks of ginger hair under the hat.
    for (double side : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_translate(cr, kCx, 0);
        cairo_scale(cr, side, 1);
        cairo_move_to(cr, 64, 166);
        cairo_curve_to(cr, 90, 176, 96, 200, 90, 222);
        cairo_curve_to(cr, 84, 210, 80, 204, 74, 206);
        cairo_curve_to(cr, 74, 196, 66, 188, 56, 190);
        cairo_close_path(cr);
        LinearSource(cr, 0, 166, 0, 222, {{0, kHair}, {1, kHairShade}});
        FillSourceThenStroke(cr, kOutline, 3);
        cairo_restore(cr);
    }

    const double leftX = kCx - kEyeDx, rightX = kCx + kEyeDx;
    // Winking squeezes the cheek up and pulls the brow down on that side.
    Brow(cr, leftX, 0);
    Brow(cr, rightX, 7 * closure);
    Eye(cr, leftX, 0);
    Eye(cr, rightX, closure);

    // Cheeks and freckles.
    for (double side : {-1.0, 1.0}) {
        const double lift = side > 0 ? 5 * closure : 0;
        EllipsePath(cr, kCx + side * 62, 282 - lift, 21, 13);
        RadialSource(cr, kCx + side * 62, 282 - lift, 2, 21, {{0, kCheek}, {1, kCheek}}, 0.0);
        cairo_fill(cr);
        SetColour(cr, Hex(0xC98A5E));
        for (int i = 0; i < 3; ++i) {
            cairo_arc(cr, kCx + side * (52 + 10 * i), 276 - lift - (i == 1 ? 5 : 0), 2.2, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    // Nose.
    EllipsePath(cr, kCx, 268, 15, 13);
    RadialSource(cr, kCx - 4, 264, 1, 16, {{0, Hex(0xFFD9C8)}, {1, Hex(0xF09A84)}});
    FillSourceThenStroke(cr, kOutline, 3.5);
    cairo_arc(cr, kCx - 5, 263, 3.5, 0, 2 * kPi);
    SetColour(cr, Hex(0xFFFFFF), 0.9);
    cairo_fill(cr);

    // Open smile; its right corner rises with the wink.
    const double rise = 6 * closure;
    cairo_move_to(cr, kCx - 44, 294);
    cairo_curve_to(cr, kCx - 14, 302, kCx + 14, 302 - rise / 2, kCx + 44, 294 - rise);
    cairo_curve_to(cr, kCx + 36, 330 - rise, kCx - 30, 334, kCx - 44, 294);
    cairo_close_path(cr);
    SetColour(cr, Hex(0x8E1F2A));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    EllipsePath(cr, kCx + 2, 332, 26, 16);
    SetColour(cr, Hex(0xF07A86));
    cairo_fill(cr);
    cairo_move_to(cr, kCx - 44, 286);
    cairo_curve_to(cr, kCx - 14, 294, kCx + 14, 294 - rise / 2, kCx + 44, 286 - rise);
    cairo_line_to(cr, kCx + 44, 302 - rise);
    cairo_curve_to(cr, kCx + 14, 310 - rise / 2, kCx - 14, 310, kCx - 44, 302);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    cairo_restore(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    // Dimples at the corners of the mouth.
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, kCx - 50, 288);
    cairo_curve_to(cr, kCx - 47, 292, kCx - 47, 296, kCx - 50, 300);
    cairo_move_to(cr, kCx + 50, 288 - rise);
    cairo_curve_to(cr, kCx + 47, 292 - rise, kCx + 47, 296 - rise, kCx + 50, 300 - rise);
    cairo_stroke(cr);

    Hat(cr);

    // A twinkle beside the shut eye.
    if (closure >= 1.0) {
        const double sx = rightX + 60, sy = kEyeY - 20;
        DrawGlow(cr, sx, sy, 22, kGold, 0.5);
        StarPath(cr, sx, sy, 15, 4.5, 4, 0);
        FillThenStroke(cr, Hex(0xFFE37A), Hex(0xC28A12), 2);
    }
}

RgbImage RenderWinkStrip() {
    Surface s(kWinkWidth, kWinkHeight);
    cairo_t* cr = s.cr();
    for (int f = 0; f < kWinkFrames; ++f) {
        cairo_save(cr);
        cairo_rectangle(cr, f * kWinkFrameWidth, 0, kWinkFrameWidth, kWinkHeight);
        cairo_clip(cr);
        cairo_translate(cr, f * kWinkFrameWidth, 0);
        DrawQuibFace(cr, kClosure[size_t(f)]);
        cairo_restore(cr);
    }
    return s.Pixels();
}

}  // namespace artgen
