// The motor's circuit page from its trace: the phasor diagram closes, V = (R_s + jX_σ) I_s + E_M
// drawn tip to tail, with no name on a shaft, and the power readouts are on both pages; and the
// drive's values refused with their ranges.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "motor/motor_frame.h"
#include "views/view_table.h"

namespace {

struct Point {
    double x, y;
};

// The end of the first stroke in `pen` ("solid 3 000000"), and the points of the first polyline.
struct Found {
    std::vector<Point> line;  // x1 y1 x2 y2 as two points
};

Found First(const std::string& trace, const std::string& kind, const std::string& pen) {
    std::istringstream in(trace);
    for (std::string row; std::getline(in, row);) {
        if (row.rfind(kind + " ", 0) != 0 || row.find("pen " + pen) == std::string::npos) continue;
        std::istringstream words(row.substr(kind.size()));
        Found f;
        size_t count = 2;
        if (kind == "polyline") words >> count;
        for (size_t k = 0; k < count; ++k) {
            Point p{};
            words >> p.x >> p.y;
            f.line.push_back(p);
        }
        return f;
    }
    return {};
}

std::string Readout(const std::string& trace, const std::string& name) {
    const std::string key = "readout " + name + " ";
    const size_t at = trace.find(key);
    if (at == std::string::npos) return "?";
    return trace.substr(at + key.size(), trace.find('\n', at) - at - key.size());
}

struct ClosureCase {
    const char* name;
    double speed;
    MotorDrive drive;
    int step;
    friend void PrintTo(const ClosureCase& c, std::ostream* os) { *os << c.name; }
};

class Closure : public ::testing::TestWithParam<ClosureCase> {};

TEST_P(Closure, TheDropsRunFromTheAirGapVoltageToTheSupplys) {
    const ClosureCase& c = GetParam();
    MotorInputs in;
    in.speed = c.speed;
    in.drive = c.drive;
    in.step = c.step;
    in.page = MotorPage::Circuit;
    const std::string trace = TraceMotorFrame(in);
    const Found v = First(trace, "line", "solid 3 000000");  // V's shaft
    const Found e = First(trace, "line", "solid 2 006e96");  // E_M's shaft
    const Found drops = First(trace, "polyline", "solid 2 6e6e6e");
    ASSERT_EQ(v.line.size(), 2u);
    ASSERT_EQ(e.line.size(), 2u);
    ASSERT_EQ(drops.line.size(), 3u);
    // Both from the origin; the drops from E_M's tip to V's, within the rounding of the shafts.
    EXPECT_NEAR(v.line[0].x, e.line[0].x, 0.01);
    EXPECT_NEAR(v.line[0].y, e.line[0].y, 0.01);
    EXPECT_NEAR(drops.line[0].x, e.line[1].x, 0.75);
    EXPECT_NEAR(drops.line[0].y, e.line[1].y, 0.75);
    EXPECT_NEAR(drops.line[2].x, v.line[1].x, 0.75);
    EXPECT_NEAR(drops.line[2].y, v.line[1].y, 0.75);
    // The drops are seen: R_s I_s and X_σ I_s are a few per cent of V or more.
    EXPECT_GT(std::hypot(drops.line[2].x - drops.line[0].x, drops.line[2].y - drops.line[0].y),
              4.0);
    // No phasor's name lies on a shaft, short as E_M and I_M may be: each shaft is a line from
    // the origin, each name 15 px high and 0.55 of that wide a letter.
    std::vector<std::vector<double>> shafts, names;
    std::vector<std::string> named;
    std::istringstream rows(trace);
    for (std::string row; std::getline(rows, row);) {
        std::istringstream words(row);
        std::string kind, name;
        double x = 0, y = 0, x2 = 0, y2 = 0;
        words >> kind >> x >> y;
        if (kind == "line" && x == v.line[0].x && y == v.line[0].y && words >> x2 >> y2)
            shafts.push_back({x, y, x2, y2});
        if (kind == "text" && words >> name && words.rdbuf()->in_avail() == 0 &&
            (name == "V" || name == "EM" || name == "Is" || name == "IM" || name == "IR")) {
            names.push_back({x, y, x + 0.55 * 15 * name.size(), y + 15});
            named.push_back(name);
        }
    }
    for (size_t n = 0; n < names.size(); ++n)
        for (const std::vector<double>& l : shafts)
            for (int k = 1; k <= 32; ++k) {
                const double px = l[0] + (l[2] - l[0]) * k / 32, py = l[1] + (l[3] - l[1]) * k / 32;
                EXPECT_FALSE(px > names[n][0] && px < names[n][2] && py > names[n][1] &&
                             py < names[n][3])
                    << named[n] << " on the shaft to " << l[2] << " " << l[3];
            }
    EXPECT_EQ(names.size(), 5u);
    EXPECT_EQ(shafts.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(
    Page, Closure,
    ::testing::Values(ClosureCase{"rated", 1440, {}, 0}, ClosureCase{"standstill_turned", 0, {}, 7},
                      ClosureCase{"generating", 1650, {}, 20},
                      ClosureCase{"vf_20hz_boost", 500, {20.0, 15.0, 0.0}, 3},
                      ClosureCase{"slip_ring_start", 0, {50.0, 0.0, 10.0}, 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CircuitPage, PowerReadoutsAreTheSameOnBothPages) {
    MotorInputs in;
    in.speed = 1440;
    const std::string field = TraceMotorFrame(in);
    in.page = MotorPage::Circuit;
    const std::string circuit = TraceMotorFrame(in);
    for (const char* name :
         {"p-in", "p-stator-copper", "p-rotor-copper", "p-mech", "efficiency", "power-factor"})
        EXPECT_EQ(Readout(field, name), Readout(circuit, name)) << name;
    EXPECT_EQ(Readout(circuit, "p-in"), "2485");
    EXPECT_EQ(Readout(circuit, "efficiency"), "86.5");
    EXPECT_EQ(Readout(circuit, "power-factor"), "0.762");
}

// At standstill nothing reaches the shaft: no efficiency, and P_mech printed unsigned.
TEST(CircuitPage, NoEfficiencyAtStandstill) {
    MotorInputs in;
    in.speed = 0.0;
    const std::string trace = TraceMotorFrame(in);
    EXPECT_EQ(Readout(trace, "p-in"), "11898");
    EXPECT_EQ(Readout(trace, "p-mech"), "0");
    EXPECT_EQ(Readout(trace, "efficiency"), "—");
    EXPECT_EQ(Readout(trace, "power-factor"), "0.657");
}

struct BadCase {
    const char* name;
    const char* param;
    const char* text;
    const char* range;
};

class BadDrive : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadDrive, RefusedWithItsRange) {
    const BadCase& c = GetParam();
    const SettingsResult r = SettingsFromTexts(View::Motor, {{c.param, c.text}}, false);
    EXPECT_NE(r.error.find(c.range), std::string::npos) << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadDrive,
    ::testing::Values(BadCase{"frequency_high", "frequency", "200", "5 to 100 Hz"},
                      BadCase{"frequency_low", "frequency", "4", "5 to 100 Hz"},
                      BadCase{"boost", "boost", "41", "0 to 40 V"},
                      BadCase{"rotor", "rotor-resistance", "-1", "0 to 20 Ω"},
                      BadCase{"page", "page", "phasors", "field or circuit"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
