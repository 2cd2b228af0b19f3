#include "elf.h"

#include "draw.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

// Colours of Quib's outfit.
constexpr Rgb kOutline = Hex(0x3B2314);
constexpr Rgb kSkin = Hex(0xF8D3B6);
constexpr Rgb kSkinShade = Hex(0xEDB796);
constexpr Rgb kCheek = Hex(0xF2837F);
constexpr Rgb kHair = Hex(0xC9642C);
constexpr Rgb kTunic = Hex(0x2FA24D);
constexpr Rgb kTunicShade = Hex(0x1C7535);
constexpr Rgb kRed = Hex(0xD8283A);
constexpr Rgb kRedShade = Hex(0xA3172A);
constexpr Rgb kFur = Hex(0xFFFFFF);
constexpr Rgb kFurShade = Hex(0xD9E3EE);
constexpr Rgb kStripe = Hex(0xFFF6EC);
constexpr Rgb kShoe = Hex(0x1F5F34);
constexpr Rgb kBelt = Hex(0x4D2C17);
constexpr Rgb kGold = Hex(0xF4C132);
constexpr Rgb kGoldShade = Hex(0xC28A12);

constexpr double kLine = 3.0;
// Far limbs are drawn a little darker, which is what gives the side view depth.
constexpr double kFarShade = -0.2;

// Proportions.
constexpr double kUpperArm = 42, kForearm = 38;
constexpr double kNeck = 72;       // hip to the base of the neck
constexpr double kShoulder = 60;   // hip to the shoulder joint
constexpr double kHeadAbove = 36;  // base of the neck to the centre of the head
constexpr double kHeadRadius = 40;

Point2 Add(Point2 a, double dx, double dy) { return Point2{a.x + dx, a.y + dy}; }
Point2 Polar(Point2 a, double angle, double length) {
    return Point2{a.x + length * std::cos(angle), a.y + length * std::sin(angle)};
}

// Knee or elbow of a two-bone limb: bent towards +x (forwards) when
// forward is true. The end is pulled in if the limb cannot reach it.
Point2 Joint(Point2 root, Point2& end, double l1, double l2, bool forward) {
    const double dx = end.x - root.x, dy = end.y - root.y;
    const double base = std::atan2(dy, dx);
    const double d = std::clamp(std::hypot(dx, dy), std::fabs(l1 - l2) + 1e-3, l1 + l2 - 1e-3);
    end = Polar(root, base, d);
    const double a = std::acos(std::clamp((l1 * l1 + d * d - l2 * l2) / (2 * l1 * d), -1.0, 1.0));
    return Polar(root, forward ? base - a : base + a, l1);
}

// Stripes across a limb segment, clipped to the limb itself.
void Stripes(cairo_t* cr, Point2 a, Point2 b, double spacing, Rgb colour) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (len < 1) return;
    const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
    SetColour(cr, colour);
    cairo_set_line_width(cr, spacing * 0.5);
    for (double s = -spacing; s < len + spacing; s += spacing) {
        const double cx = a.x + ux * s, cy = a.y + uy * s;
        cairo_move_to(cr, cx - uy * 40, cy + ux * 40);
        cairo_line_to(cr, cx + uy * 40, cy - ux * 40);
    }
    cairo_stroke(cr);
}

void DrawLeg(cairo_t* cr, Point2 hip, Point2 ankle, double pitch, double shade) {
    const Point2 knee = Joint(hip, ankle, kElfThigh, kElfShin, true);
    const Rgb red = Lighten(kRed, shade), stripe = Lighten(kStripe, shade * 0.8);
    // Stocking: two tapered segments, striped. The outline is stroked at
    // twice its width under the fill, so only the outer edge of the joined
    // shape shows and the joint leaves no seam.
    auto stocking = [&] {
        CapsulePath(cr, hip.x, hip.y, 13, knee.x, knee.y, 10.5);
        CapsulePath(cr, knee.x, knee.y, 10.5, ankle.x, ankle.y, 8.5);
    };
    stocking();
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2 * kLine);
    cairo_stroke_preserve(cr);
    SetColour(cr, red);
    cairo_fill(cr);
    cairo_save(cr);
    CapsulePath(cr, hip.x, hip.y, 13, knee.x, knee.y, 10.5);
    cairo_clip(cr);
    Stripes(cr, hip, knee, 14, stripe);
    cairo_restore(cr);
    cairo_save(cr);
    CapsulePath(cr, knee.x, knee.y, 10.5, ankle.x, ankle.y, 8.5);
    cairo_clip(cr);
    Stripes(cr, knee, ankle, 13, stripe);
    cairo_restore(cr);

    // Shoe with a curled toe and a bell on its tip.
    cairo_save(cr);
    cairo_translate(cr, ankle.x, ankle.y);
    cairo_rotate(cr, pitch);
    cairo_move_to(cr, -13, -6);
    cairo_curve_to(cr, -17, 2, -16, 12, -10, kElfAnkleHeight);
    cairo_line_to(cr, 24, kElfAnkleHeight);
    cairo_curve_to(cr, 36, 13, 44, 8, 47, -4);
    cairo_curve_to(cr, 48, -10, 43, -13, 40, -9);
    cairo_curve_to(cr, 37, -3, 30, 0, 22, -2);
    cairo_curve_to(cr, 14, -4, 8, -9, 2, -10);
    cairo_curve_to(cr, -4, -11, -10, -9, -13, -6);
    cairo_close_path(cr);
    LinearSource(cr, 0, -10, 0, 14, {{0, Lighten(Lighten(kShoe, 0.15), shade)}, {1, Lighten(kShoe, shade - 0.15)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    // Sock cuff at the top of the shoe.
    EllipsePath(cr, -4, -9, 11, 4.5);
    FillThenStroke(cr, Lighten(kFur, shade * 0.6), kOutline, 2.2);
    cairo_arc(cr, 42, -12, 4.2, 0, 2 * kPi);
    FillThenStroke(cr, Lighten(kGold, shade), kOutline, 1.8);
    cairo_restore(cr);
}

void DrawArm(cairo_t* cr, Point2 shoulder, double swing, double bend, double shade) {
    const double upper = kPi / 2 - swing;
    const Point2 elbow = Polar(shoulder, upper, kUpperArm);
    const Point2 wrist = Polar(elbow, upper - bend, kForearm);
    const Rgb sleeve = Lighten(kTunic, shade), sleeveDark = Lighten(kTunicShade, shade);
    CapsulePath(cr, shoulder.x, shoulder.y, 12, elbow.x, elbow.y, 9.5);
    CapsulePath(cr, elbow.x, elbow.y, 9.5, wrist.x, wrist.y, 8.5);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2 * kLine);
    cairo_stroke_preserve(cr);
    LinearSource(cr, shoulder.x - 10, shoulder.y, shoulder.x + 10, shoulder.y, {{0, sleeveDark}, {1, sleeve}});
    cairo_fill(cr);
    // Hand (a mitten-like fist) and a red cuff.
    const Point2 hand = Polar(wrist, upper - bend, 9);
    cairo_arc(cr, hand.x, hand.y, 9.5, 0, 2 * kPi);
    FillThenStroke(cr, Lighten(kSkin, shade), kOutline, kLine);
    cairo_save(cr);
    cairo_translate(cr, wrist.x, wrist.y);
    cairo_rotate(cr, upper - bend);
    RoundedRectPath(cr, -5, -10.5, 9, 21, 4);
    FillThenStroke(cr, Lighten(kRed, shade), kOutline, 2.4);
    cairo_restore(cr);
}

// Torso-local coordinates: u forwards, v up from the hip, turned by the lean.
struct Torso {
    Point2 hip;
    double lean;
    Point2 At(double u, double v) const {
        return Point2{hip.x + u * std::cos(lean) + v * std::sin(lean), hip.y + u * std::sin(lean) - v * std::cos(lean)};
    }
};

void DrawTunic(cairo_t* cr, const Torso& t) {
    auto line = [&](double u, double v) {
        const Point2 p = t.At(u, v);
        cairo_line_to(cr, p.x, p.y);
    };
    auto curve = [&](double u1, double v1, double u2, double v2, double u3, double v3) {
        const Point2 a = t.At(u1, v1), b = t.At(u2, v2), c = t.At(u3, v3);
        cairo_curve_to(cr, a.x, a.y, b.x, b.y, c.x, c.y);
    };
    const Point2 start = t.At(-14, kNeck);
    cairo_move_to(cr, start.x, start.y);
    curve(-30, 58, -36, 20, -40, -18);  // back
    // Zig-zag hem from back to front.
    constexpr int kPoints = 5;
    for (int i = 0; i < kPoints; ++i) {
        const double u0 = -40 + 84.0 * i / kPoints, u1 = -40 + 84.0 * (i + 1) / kPoints;
        line((u0 + u1) / 2, -6);
        line(u1, -22);
    }
    curve(46, 6, 40, 40, 30, 52);  // round belly
    curve(26, 62, 20, 68, 16, kNeck);
    cairo_close_path(cr);
    const Point2 light = t.At(30, 40), dark = t.At(-36, 20);
    LinearSource(cr, dark.x, dark.y, light.x, light.y, {{0, kTunicShade}, {0.55, kTunic}, {1, Lighten(kTunic, 0.12)}});
    FillSourceThenStroke(cr, kOutline, kLine);

    // Belt with a gold buckle.
    cairo_save(cr);
    const Point2 a = t.At(-37, 10), b = t.At(-37, 22), c = t.At(42, 24), d = t.At(45, 12);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_line_to(cr, c.x, c.y);
    cairo_line_to(cr, d.x, d.y);
    cairo_close_path(cr);
    FillThenStroke(cr, kBelt, kOutline, 2.5);
    const Point2 buckle = t.At(30, 17);
    cairo_translate(cr, buckle.x, buckle.y);
    cairo_rotate(cr, t.lean);
    RoundedRectPath(cr, -9, -10, 18, 20, 3);
    FillThenStroke(cr, kGold, kOutline, 2.2);
    RoundedRectPath(cr, -4, -5, 8, 10, 1.5);
    FillThenStroke(cr, kBelt, kGoldShade, 1.5);
    cairo_restore(cr);

    // Pointed red collar.
    const Point2 c0 = t.At(-24, 66);
    cairo_move_to(cr, c0.x, c0.y);
    line(-16, 50);
    line(-4, 62);
    line(6, 46);
    line(14, 61);
    line(26, 52);
    line(22, 70);
    curve(12, 80, -14, 80, -24, 66);
    cairo_close_path(cr);
    FillThenStroke(cr, kRed, kOutline, 2.5);
}

void DrawHat(cairo_t* cr, double swing) {
    // Head-local coordinates: the hat sits tilted back on the head.
    const double tipX = -90 + 4 * swing, tipY = -48 + 7 * swing;
    cairo_move_to(cr, -40, -30);
    cairo_curve_to(cr, -52, -52, -70, -60, tipX, tipY);
    cairo_curve_to(cr, -66, -66, -40, -74, -14, -72);
    cairo_curve_to(cr, 8, -70, 28, -60, 40, -38);
    cairo_close_path(cr);
    LinearSource(cr, -60, -40, 30, -80, {{0, kRedShade}, {0.6, kRed}, {1, Lighten(kRed, 0.12)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    // A crease where the hat folds over.
    cairo_move_to(cr, -54, -54);
    cairo_curve_to(cr, -46, -60, -36, -63, -24, -63);
    SetColour(cr, kRedShade);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Pompom.
    cairo_save(cr);
    cairo_translate(cr, tipX, tipY);
    cairo_new_sub_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a0 = i * kPi / 5, a1 = (i + 1) * kPi / 5;
        cairo_arc(cr, 11 * std::cos((a0 + a1) / 2), 11 * std::sin((a0 + a1) / 2), 4.2, a0 - 0.9, a1 + 0.9);
    }
    cairo_close_path(cr);
    RadialSource(cr, -4, -4, 1, 16, {{0, kFur}, {0.6, kFur}, {1, kFurShade}});
    FillSourceThenStroke(cr, kOutline, 2.5);
    cairo_restore(cr);
    // Fur band round the head.
    cairo_save(cr);
    cairo_translate(cr, 0, -32);
    cairo_rotate(cr, -0.22);
    RoundedRectPath(cr, -46, -10, 90, 21, 10.5);
    LinearSource(cr, 0, -10, 0, 11, {{0, kFur}, {1, kFurShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_restore(cr);
}

void DrawHead(cairo_t* cr, Point2 centre, double tilt, double hatSwing) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, tilt);
    // Hair at the back of the head, under the hat.
    cairo_move_to(cr, -20, -30);
    cairo_curve_to(cr, -44, -30, -50, 0, -40, 20);
    cairo_curve_to(cr, -36, 14, -32, 12, -28, 16);
    cairo_curve_to(cr, -26, 8, -22, 4, -16, 6);
    cairo_close_path(cr);
    FillThenStroke(cr, kHair, kOutline, kLine);
    // Face.
    cairo_arc(cr, 0, 0, kHeadRadius, 0, 2 * kPi);
    RadialSource(cr, 12, -6, 4, kHeadRadius + 8, {{0, kSkin}, {0.7, kSkin}, {1, kSkinShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    // Nose.
    cairo_arc(cr, 40, 4, 7.5, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0xF6B49C), kOutline, 2.5);
    // Fringe curl over the forehead.
    cairo_move_to(cr, 12, -30);
    cairo_curve_to(cr, 22, -18, 32, -20, 34, -28);
    cairo_curve_to(cr, 28, -26, 24, -28, 22, -32);
    cairo_close_path(cr);
    FillThenStroke(cr, kHair, kOutline, 2.2);
    // Cheek, freckles.
    EllipsePath(cr, 14, 14, 10, 6.5);
    SetColour(cr, kCheek, 0.55);
    cairo_fill(cr);
    SetColour(cr, Hex(0xC98A5E));
    for (const auto& [fx, fy] : {std::pair{8.0, 9.0}, std::pair{13.0, 7.0}, std::pair{19.0, 9.5}}) {
        cairo_arc(cr, fx, fy, 1.3, 0, 2 * kPi);
        cairo_fill(cr);
    }
    // Eye and brow.
    EllipsePath(cr, 20, -6, 5.2, 8);
    SetColour(cr, Hex(0x2A1A10));
    cairo_fill(cr);
    cairo_arc(cr, 21.5, -9, 2, 0, 2 * kPi);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    cairo_move_to(cr, 12, -20);
    cairo_curve_to(cr, 16, -24, 24, -24, 28, -20);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // Smile.
    cairo_move_to(cr, 20, 20);
    cairo_curve_to(cr, 26, 28, 34, 26, 38, 17);
    cairo_stroke(cr);
    // Pointed ear.
    cairo_move_to(cr, -8, 6);
    cairo_curve_to(cr, -22, 4, -40, -4, -52, -22);
    cairo_curve_to(cr, -36, -18, -18, -16, -6, -8);
    cairo_curve_to(cr, -2, -4, -2, 4, -8, 6);
    cairo_close_path(cr);
    FillThenStroke(cr, kSkin, kOutline, kLine);
    cairo_move_to(cr, -12, 0);
    cairo_curve_to(cr, -22, -2, -32, -8, -40, -16);
    SetColour(cr, kCheek, 0.6);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);

    DrawHat(cr, hatSwing);
    cairo_restore(cr);
}

}  // namespace

ElfPose WavingPose(double wave, double elbow) {
    ElfPose pose;
    pose.hip = Point2{120, 178};
    pose.lean = 0.02;
    pose.ankle[0] = Point2{108, kElfGround - kElfAnkleHeight};
    pose.ankle[1] = Point2{136, kElfGround - kElfAnkleHeight};
    pose.arm[0] = -0.15;
    pose.elbow[0] = 0.3;
    pose.arm[1] = wave;
    pose.elbow[1] = elbow;
    pose.hatSwing = 0.4;
    return pose;
}

ElfPose WalkPose(double t, double hipX, double stride) {
    constexpr double kStance = 0.54;            // part of the cycle a foot is on the ground
    constexpr double kToeUp = -0.32;            // foot angle at heel strike
    constexpr double kHeelUp = 0.62;            // foot angle at toe-off
    constexpr double kLift = 28;                // swing foot's highest lift
    constexpr double kHeelToToe = 30;           // ankle to the ball of the foot
    const double reach = stride * kStance / 2;  // ankle ahead of the hip at heel strike
    const double ankleY = kElfGround - kElfAnkleHeight;

    ElfPose pose;
    // Lowest just after each heel strike, highest just after passing.
    pose.hip = Point2{hipX, 195 + 5 * std::cos(4 * kPi * (t - 0.1))};
    pose.lean = 0.07 + 0.015 * std::cos(4 * kPi * (t - 0.1));
    pose.headTilt = -0.03 * std::cos(4 * kPi * (t - 0.2));

    for (int leg = 0; leg < 2; ++leg) {
        // The near leg strikes at t = 0, the far one half a cycle later.
        const double phase = std::fmod(t + (leg == 1 ? 0.0 : 0.5), 1.0);
        auto stanceAnkle = [&](double s, double& pitch) {
            Point2 a{hipX + reach - stride * kStance * s, ankleY};
            pitch = 0;
            if (s < 0.16) pitch = kToeUp * (1 - s / 0.16);
            if (s > 0.6) {
                // The heel lifts about the ball of the foot, which stays put.
                pitch = kHeelUp * std::pow((s - 0.6) / 0.4, 1.3);
                const Point2 ball{a.x + kHeelToToe, ankleY + kElfAnkleHeight};
                const double dx = a.x - ball.x, dy = a.y - ball.y;
                a = Point2{ball.x + dx * std::cos(pitch) - dy * std::sin(pitch),
                           ball.y + dx * std::sin(pitch) + dy * std::cos(pitch)};
            }
            return a;
        };
        if (phase < kStance) {
            pose.ankle[leg] = stanceAnkle(phase / kStance, pose.footPitch[leg]);
        } else {
            const double u = (phase - kStance) / (1 - kStance);
            double endPitch = 0;
            const Point2 from = stanceAnkle(1.0, endPitch);
            const Point2 to{hipX + reach, ankleY};
            const double ease = (1 - std::cos(kPi * u)) / 2;
            pose.ankle[leg] = Point2{from.x + (to.x - from.x) * ease,
                                     from.y + (to.y - from.y) * u - kLift * std::sin(kPi * std::pow(u, 0.75))};
            pose.footPitch[leg] = endPitch + (kToeUp - endPitch) * ease;
        }
    }
    // Arms swing against the legs: the near arm is back as the near heel strikes.
    const double swing = 0.55 * std::cos(2 * kPi * t);
    pose.arm[1] = -swing;
    pose.arm[0] = swing;
    for (int i = 0; i < 2; ++i) pose.elbow[i] = 0.25 + 0.5 * std::max(0.0, pose.arm[i]);
    pose.hatSwing = std::sin(4 * kPi * t - 1.3);
    return pose;
}

void DrawElf(cairo_t* cr, const ElfPose& pose) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const Torso torso{pose.hip, pose.lean};

    if (pose.shadow) {
        cairo_save(cr);
        cairo_translate(cr, pose.hip.x + 8, kElfGround + 1);
        cairo_scale(cr, 1, 0.12);
        RadialSource(cr, 0, 0, 0, 95, {{0, Hex(0xC8CDD6)}, {0.6, Hex(0xDDE1E7)}, {1, Hex(0xFFFFFF)}}, 0.0);
        cairo_arc(cr, 0, 0, 95, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_restore(cr);
    }

    const Point2 shoulder = torso.At(0, kShoulder);
    DrawArm(cr, Add(shoulder, -2, 0), pose.arm[0], pose.elbow[0], kFarShade);
    DrawLeg(cr, torso.At(-4, 0), pose.ankle[0], pose.footPitch[0], kFarShade);
    DrawLeg(cr, torso.At(2, 0), pose.ankle[1], pose.footPitch[1], 0);
    DrawTunic(cr, torso);
    const Point2 neck = torso.At(4, kNeck);
    DrawHead(cr, Polar(neck, -kPi / 2 + pose.lean + pose.headTilt, kHeadAbove), pose.lean + pose.headTilt,
             pose.hatSwing);
    DrawArm(cr, shoulder, pose.arm[1], pose.elbow[1], 0);
    cairo_restore(cr);
}

}  // namespace artgen
