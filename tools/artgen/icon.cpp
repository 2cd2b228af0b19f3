// The icon: a green bauble badge with the logo's Q, wearing Quib's hat.
// The 16-colour image is drawn in the plain colours of a 16-colour display,
// flat, so that nothing needs dithering at 32 x 32.
#include "draw.h"
#include "elf_hat.h"
#include "fonts.h"
#include "layout.h"
#include "pictures.h"

namespace artgen {

IconArt RenderIcon(bool sixteenColours) {
    Surface s = Surface::Transparent(kIconSize, kIconSize);
    cairo_t* cr = s.cr();
    const Rgb outline = sixteenColours ? Rgb{0, 0, 0} : Hex(0x2B1A10);
    const Rgb green = sixteenColours ? Rgb{0, 128, 0} : Hex(0x1E9146);
    const Rgb white = Rgb{255, 255, 255};
    const double cx = 16, cy = 21, r = 10.4;

    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    if (sixteenColours) {
        SetColour(cr, green);
    } else {
        RadialSource(cr, cx - 4, cy - 4, 1, r + 2, {{0, Lighten(green, 0.35)}, {1, Lighten(green, -0.25)}});
    }
    FillSourceThenStroke(cr, outline, 1.6);

    cairo_save(cr);
    CentredTextPath(cr, Font::Script, 18, "Q", cx + 0.5, cy + 7);
    SetColour(cr, white);
    cairo_fill(cr);
    cairo_restore(cr);

    if (sixteenColours) {
        // Flat hat: red cone, white band and pompom.
        cairo_save(cr);
        cairo_translate(cr, 12.5, 14);
        cairo_rotate(cr, -0.3);
        cairo_scale(cr, 0.74, 0.74);
        cairo_move_to(cr, -10, 0);
        cairo_curve_to(cr, -9, -10, -1, -16, 7, -15.5);
        cairo_curve_to(cr, 13, -15, 17, -11, 17.5, -5);
        cairo_line_to(cr, 10, 0);
        cairo_close_path(cr);
        FillThenStroke(cr, Rgb{255, 0, 0}, outline, 1.2);
        cairo_arc(cr, 17, -4, 3.4, 0, 2 * kPi);
        FillThenStroke(cr, white, outline, 1.2);
        RoundedRectPath(cr, -11.5, -2.5, 23, 6, 3);
        FillThenStroke(cr, white, outline, 1.2);
        cairo_restore(cr);
    } else {
        DrawBrandHat(cr, 12.5, 14, 0.165, -0.3, 1.1);
    }

    IconArt art;
    s.PixelsWithAlpha(art.colours, art.alpha);
    return art;
}

}  // namespace artgen
