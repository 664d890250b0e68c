// Each view's curves as CSV, checked against the physics at a few rows: the currents of a
// balanced supply are cos θ, cos(θ − 120°) and cos(θ + 120°); an open phase leaves two windings
// in series; the windings' factors are the distribution factor's sums; the motor's torque is the
// equivalent circuit worked by hand (test_motor_model); the synchronous machine's power is
// 3VE/X sin δ and its current |V − E| / X.
#include "views/view_csv.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "views/view_table.h"

namespace {

// The tables of a CSV: each a header and rows of fields.
using Table = std::vector<std::vector<std::string>>;

std::vector<Table> Tables(const std::string& csv) {
    std::vector<Table> tables(1);
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            tables.emplace_back();
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, ',');) fields.push_back(field);
        if (line.back() == ',') fields.emplace_back();
        tables.back().push_back(fields);
    }
    return tables;
}

struct Point {
    int table;
    const char* first;  // the first column's field
    // The other columns, in order; kNone: an empty field, none of the model's; kAny: not checked.
    std::vector<double> values;
};

struct Curves {
    const char* name;
    View view;
    std::vector<TextValue> given;
    int step;
    const char* header;     // of the first table
    std::vector<int> rows;  // of each table, its header included
    std::vector<Point> points;
    double tolerance;
    friend void PrintTo(const Curves& row, std::ostream* os) { *os << row.name; }
};

class ViewCsv : public ::testing::TestWithParam<Curves> {};

TEST_P(ViewCsv, HoldsTheModelsNumbers) {
    const Curves& c = GetParam();
    const SettingsResult settings = SettingsFromTexts(c.view, c.given, false);
    ASSERT_EQ(settings.error, "");
    ASSERT_NE(Describe(c.view).csv, nullptr);
    const std::string csv = Describe(c.view).csv(settings.settings, c.step);
    const std::vector<Table> tables = Tables(csv);
    ASSERT_EQ(tables.size(), c.rows.size());
    EXPECT_EQ(csv.substr(0, csv.find('\n')), c.header);
    for (std::size_t t = 0; t < tables.size(); ++t) {
        EXPECT_EQ(static_cast<int>(tables[t].size()), c.rows[t]) << t;
        for (const auto& row : tables[t]) EXPECT_EQ(row.size(), tables[t][0].size()) << row[0];
    }
    for (const Point& p : c.points) {
        const Table& table = tables[p.table];
        const auto row = std::find_if(table.begin(), table.end(),
                                      [&p](const auto& r) { return r[0] == p.first; });
        ASSERT_NE(row, table.end()) << p.first;
        for (std::size_t i = 0; i < p.values.size(); ++i) {
            const std::string& field = (*row)[i + 1];
            if (std::isnan(p.values[i])) {
                EXPECT_EQ(field, "") << p.first << " column " << i + 1;
            } else if (!std::isinf(p.values[i])) {
                EXPECT_NEAR(std::stod(field), p.values[i], c.tolerance)
                    << p.first << " column " << i + 1;
            }
        }
    }
}

const double kNone = std::nan("");
const double kAny = INFINITY;

INSTANTIATE_TEST_SUITE_P(
    Views, ViewCsv,
    ::testing::Values(
        // The main window's 73 steps of 10°.
        Curves{"MainCurrents",
               View::Main,
               {},
               0,
               "angle (deg),iU (peak),iV (peak),iW (peak)",
               {74},
               {{0, "0", {1, -0.5, -0.5}},
                {0, "90", {0, 0.866025, -0.866025}},
                {0, "720", {1, -0.5, -0.5}}},
               1e-6},
        // U open, no neutral: V and W in series across V − W, (cos(θ−120°) − cos(θ+120°)) / 2 =
        // sin θ sin 120°.
        Curves{"ExplorerOpenU",
               View::Explorer,
               {{"preset", "open-u"}},
               0,
               "angle (deg),iU (peak),iV (peak),iW (peak)",
               {362},
               {{0, "30", {0, 0.433013, -0.433013}}},
               1e-6},
        // q = 3: kw1 = sin 30° / (3 sin 10°), kw5 = sin 150° / (3 sin 50°), 4.53 % = kw5 / 5kw1;
        // at 30° the fundamental, 1.5 kw1, peaks 15° on.
        Curves{"FourPolesAt30",
               View::Winding,
               {{"preset", "4-pole-full"}},
               3,
               "angle (mechanical deg),MMF stepped (Fc),MMF fundamental (Fc)",
               {362, 10},
               {{0, "15", {kAny, 1.439693}},
                {0, "60", {kAny, 0}},
                {1, "1", {0.959795, 100}},
                {1, "5", {0.217568, 4.53363}}},
               1e-5},
        // 14.26 N·m and 4.70 A at 1440 rpm, 27.41 N·m and 26.15 A at rest, none at 1500.
        Curves{"MotorTorqueCurve",
               View::Motor,
               {},
               0,
               "speed (rpm),T (N m),T+ (N m),T- (N m),IU (A),IV (A),IW (A)",
               {332},
               {{0, "-1500", {}},
                {0, "0", {27.41, 27.41, 0, 26.15, 26.15, 26.15}},
                {0, "1440", {14.26, 14.26, 0, 4.70, 4.70, 4.70}},
                {0, "1800", {}}},
               0.005},
        // A start-up sampled every 10 ms from rest, where it draws 26.15 A.
        Curves{"MotorStartUp",
               View::Motor,
               {{"time", "1"}},
               0,
               "time (s),speed (rpm),T (N m),IU (A),IV (A),IW (A)",
               {102},
               {{0, "0", {0, 27.41, 26.15, 26.15, 26.15}}},
               0.005},
        // The capacitor-start motor at rest, 19.80 N·m from 28.66 A in the main winding and
        // 12.41 A in the auxiliary; at 1440 rpm its switch is open and the main winding alone
        // carries 6.94 A (test_capacitor_motor_model's sums).
        Curves{"CapacitorStartTorqueCurve",
               View::CapacitorMotor,
               {},
               0,
               "speed (rpm),T (N m),Tf (N m),Tb (N m),Im (A),Ia (A),I (A)",
               {332},
               {{0, "0", {19.8012, kAny, kAny, 28.6572, 12.4108, 31.2186}},
                {0, "1440", {4.9832, kAny, kAny, 6.9407, 0, 6.9407}}},
               5e-4},
        // E = V at 2 A: 3V²/X sin 30° = 6.667 kW; at no field V/X = 19.245 A; at 3 A and 5 kW
        // sin δ = 0.25 and |V − E| / X = 11.308 A; at 0.05 A 5 kW pulls out.
        Curves{"SynchronousSteady",
               View::Synchronous,
               {},
               0,
               "load angle (deg),P (kW)",
               {362, 102},
               {{0, "30", {6.66667}},
                {0, "-90", {-13.3333}},
                {1, "0", {19.245, kNone, kNone, kNone, kNone}},
                {1, "3", {kAny, kAny, 11.3082, kAny, kAny}},
                {1, "0.05", {kAny, kNone, kNone, kNone, kNone}},
                {1, "2", {0}}},
               1e-4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvNumber, HasSixSignificantDigitsAndNoRemainders) {
    const struct {
        double value;
        const char* text;
    } rows[] = {{1.0 / 3, "0.333333"}, {-1234567.0, "-1.23457e+06"},
                {27.40862, "27.4086"}, {6.123e-17, "0"},
                {-0.0, "0"},           {1e-9, "1e-09"}};
    for (const auto& row : rows) EXPECT_EQ(CsvNumber(row.value), row.text) << row.value;
}

}  // namespace
