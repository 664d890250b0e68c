// The colour-blind-safe palette does its job: under simulated protanopia, deuteranopia and
// tritanopia (Machado, Oliveira and Fernandes 2009, severity 1.0) and with normal vision, every two
// phase colours differ by at least 20 in CIEDE2000, and each keeps 3:1 contrast on white.
#include "text/palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

namespace {

using Vec3 = std::array<double, 3>;
using Matrix = std::array<Vec3, 3>;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Encoded(double c) {
    c = std::clamp(c, 0.0, 1.0);
    return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055);
}
Vec3 LinearRgb(COLORREF c) {
    return {Linear(GetRValue(c)), Linear(GetGValue(c)), Linear(GetBValue(c))};
}

// The simulation works on linear RGB and gives an sRGB colour back.
Vec3 Simulate(COLORREF c, const Matrix& m) {
    const Vec3 l = LinearRgb(c);
    Vec3 out{};
    for (int i = 0; i < 3; ++i) out[i] = Encoded(m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2]);
    return out;
}

Vec3 Lab(const Vec3& srgb) {  // D65
    Vec3 l;
    for (int i = 0; i < 3; ++i) l[i] = Linear(static_cast<int>(std::lround(srgb[i])));
    const double x = (0.4124564 * l[0] + 0.3575761 * l[1] + 0.1804375 * l[2]) / 0.95047;
    const double y = 0.2126729 * l[0] + 0.7151522 * l[1] + 0.0721750 * l[2];
    const double z = (0.0193339 * l[0] + 0.1191920 * l[1] + 0.9503041 * l[2]) / 1.08883;
    auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// Sharma, Wu and Dalal's formulation of CIEDE2000.
double DeltaE2000(const Vec3& lab1, const Vec3& lab2) {
    auto deg = [](double r) { return r * 180 / std::numbers::pi; };
    auto rad = [](double d) { return d * std::numbers::pi / 180; };
    const double cBar = (std::hypot(lab1[1], lab1[2]) + std::hypot(lab2[1], lab2[2])) / 2;
    const double g =
        0.5 * (1 - std::sqrt(std::pow(cBar, 7) / (std::pow(cBar, 7) + std::pow(25, 7))));
    const double a1 = (1 + g) * lab1[1], a2 = (1 + g) * lab2[1];
    const double c1 = std::hypot(a1, lab1[2]), c2 = std::hypot(a2, lab2[2]);
    auto hue = [&](double b, double a) {
        return b == 0 && a == 0 ? 0 : std::fmod(deg(std::atan2(b, a)) + 360, 360);
    };
    const double h1 = hue(lab1[2], a1), h2 = hue(lab2[2], a2);
    double dh = c1 * c2 == 0 ? 0 : h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
    const double dL = lab2[0] - lab1[0], dC = c2 - c1;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(rad(dh / 2));
    const double lBar = (lab1[0] + lab2[0]) / 2, cpBar = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (c1 * c2 != 0)
        hBar = std::abs(h1 - h2) <= 180 ? hBar / 2 : (hBar < 360 ? hBar + 360 : hBar - 360) / 2;
    const double t = 1 - 0.17 * std::cos(rad(hBar - 30)) + 0.24 * std::cos(rad(2 * hBar)) +
                     0.32 * std::cos(rad(3 * hBar + 6)) - 0.20 * std::cos(rad(4 * hBar - 63));
    const double sl =
        1 + 0.015 * (lBar - 50) * (lBar - 50) / std::sqrt(20 + (lBar - 50) * (lBar - 50));
    const double sc = 1 + 0.045 * cpBar, sh = 1 + 0.015 * cpBar * t;
    const double rt = -std::sin(rad(60 * std::exp(-std::pow((hBar - 275) / 25, 2)))) * 2 *
                      std::sqrt(std::pow(cpBar, 7) / (std::pow(cpBar, 7) + std::pow(25, 7)));
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) +
                     rt * (dC / sc) * (dH / sh));
}

double ContrastOnWhite(COLORREF c) {
    const Vec3 l = LinearRgb(c);
    return 1.05 / (0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2] + 0.05);
}

TEST(Palette, ColourDifferenceAgreesWithPublishedPairs) {
    EXPECT_NEAR(DeltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(DeltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);
    EXPECT_NEAR(DeltaE2000({22.7233, 20.0904, -46.694}, {23.0331, 14.973, -42.5619}), 2.0373, 1e-4);
}

struct Vision {
    const char* name;
    Matrix m;
};
const Vision kVisions[] = {
    {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}}}},
};

// The pairs of phases, e.g. "UV", that fall below 20 under some vision, and the phases below 3:1.
std::string Failures(const Palette& p) {
    std::string failed;
    const char* names[] = {"U", "V", "W"};
    for (const Vision& v : kVisions)
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j)
                if (DeltaE2000(Lab(Simulate(p.phase[i], v.m)), Lab(Simulate(p.phase[j], v.m))) < 20)
                    failed += std::string(" ") + names[i] + names[j] + "/" + v.name;
    for (int i = 0; i < 3; ++i)
        if (ContrastOnWhite(p.phase[i]) < 3) failed += std::string(" ") + names[i] + "/contrast";
    return failed;
}

TEST(Palette, TheSafePaletteKeepsThePhasesApartForEveryone) {
    EXPECT_EQ(Failures(kSafePalette), "");
}

// The test bites: red and green run together for a deuteranope, and the green is too light on
// white.
TEST(Palette, TheStandardPaletteFailsWhereExpected) {
    EXPECT_EQ(Failures(kStandardPalette), " UV/deuteranopia V/contrast");
}

}  // namespace
