// The page's address of a view as shown: opened again, it must give back the same settings and
// step, through the same lenient reading the page gives an address; a default is left out.
#include "page_address.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "views/view_table.h"

namespace {

template <class S, class Change>
ViewSettings Changed(Change change) {
    S s;
    change(s);
    return s;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

// The address split at & and =, as the page hands its pairs to the core.
Pairs Split(const std::string& address) {
    Pairs pairs;
    for (std::size_t at = 0; at <= address.size();) {
        const std::size_t end = std::min(address.find('&', at), address.size());
        const std::string pair = address.substr(at, end - at);
        const std::size_t eq = pair.find('=');
        pairs.emplace_back(pair.substr(0, eq), eq == std::string::npos ? "" : pair.substr(eq + 1));
        at = end + 1;
    }
    return pairs;
}

struct Row {
    const char* name;
    ViewSettings settings;
    int step;
};

const Row kRows[] = {
    {"main without the resultant", MainSettings{false}, 72},
    {"explorer, every supply value its own", Changed<ExplorerSettings>([](auto& s) {
         s.supply.amplitude = {0.123456789, 2, 0};
         s.supply.offset = {-180, 1e-7, 179.5};
         s.supply.sequence = Sequence::Negative;
         s.supply.openPhase = 2;
         s.supply.neutral = true;
         s.componentsApart = true;
     }),
     3},
    {"explorer, a single phase of its own amplitude", Changed<ExplorerSettings>([](auto& s) {
         s.supply = PresetSupply(Preset::SinglePhase);
         s.supply.amplitude[0] = 1.5;
         s.supply.offset[0] = 30;
     }),
     9},
    {"winding, short pitch, negative, no flux lines", Changed<WindingSettings>([](auto& s) {
         s.winding = {4, 36, 2, 7};
         s.sequence = Sequence::Negative;
         s.frequency = 60.5;
         s.fluxLines = false;
     }),
     12},
    {"winding, one layer", Changed<WindingSettings>([](auto& s) {
         s.winding = {8, 96, 1, 12};
     }),
     0},
    {"motor at a speed", Changed<MotorSettings>([](auto& s) {
         s.supply = PresetSupply(Preset::Unbalanced);
         s.load = 12.25;
         s.speed = -1437.0625;
     }),
     7},
    {"motor in a start-up from a push", Changed<MotorSettings>([](auto& s) {
         s.inertia = 0.5;
         s.time = 0.7234567891234;
         s.initialSpeed = 150;
     }),
     20},
    {"synchronous, a steady state", Changed<SynchronousSettings>([](auto& s) {
         s.fieldCurrent = 3.1;
         s.power = -4;
         s.damper = false;
         s.curves = SynchronousCurves::O;
     }),
     5},
    {"synchronous, a start-up", Changed<SynchronousSettings>([](auto& s) {
         s.time = 6;
         s.load = 10;
         s.fieldOn = 1300;
         s.inertia = 0.6;
     }),
     0},
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class PageAddress : public testing::TestWithParam<Row> {};

TEST_P(PageAddress, OpensAtTheSameSettingsAndStep) {
    const Row& row = GetParam();
    const std::string address = PageAddressOf(row.settings, row.step);
    const Pairs pairs = Split(address);
    ASSERT_GE(pairs.size(), 2u) << address;
    EXPECT_EQ(pairs.front().first, "view");
    EXPECT_EQ(FindView(pairs.front().second), ViewOf(row.settings)) << address;
    EXPECT_EQ(pairs.back(), std::make_pair(std::string("step"), std::to_string(row.step)));
    // Every other key is a parameter of the view, read strictly: nothing may be refused.
    const ViewDescriptor& d = Describe(ViewOf(row.settings));
    std::vector<TextValue> given;
    for (std::size_t i = 1; i + 1 < pairs.size(); ++i) {
        const ParamSpec* spec = FindParam(d, pairs[i].first);
        ASSERT_NE(spec, nullptr) << pairs[i].first << " in " << address;
        given.push_back({spec->name, pairs[i].second});
    }
    const SettingsResult back = SettingsFromTexts(ViewOf(row.settings), given, false);
    EXPECT_EQ(back.error, "") << address;
    EXPECT_EQ(back.settings, row.settings) << address;
}

INSTANTIATE_TEST_SUITE_P(Rows, PageAddress, testing::ValuesIn(kRows), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

// The address as the README's table writes such a link.
TEST(PageAddress, LeavesOutWhatIsTheDefault) {
    EXPECT_EQ(PageAddressOf(MainSettings{}, 9), "view=main&step=9");
    EXPECT_EQ(PageAddressOf(MainSettings{false}, 9), "view=main&resultant=0&step=9");
    EXPECT_EQ(
        PageAddressOf(
            Changed<ExplorerSettings>([](auto& s) { s.supply = PresetSupply(Preset::OpenU); }), 3),
        "view=explorer&preset=open-u&step=3");
    EXPECT_EQ(PageAddressOf(Changed<MotorSettings>([](auto& s) {
                                s.supply = PresetSupply(Preset::SinglePhase);
                                s.load = 5;
                            }),
                            0),
              "view=motor&preset=single-phase&load=5&step=0");
}

// Figures without an exponent, whose + an address would read as a space.
TEST(PageAddress, WritesNumbersInFigures) {
    EXPECT_EQ(PageAddressOf(Changed<MotorSettings>([](auto& s) { s.speed = 1200; }), 0),
              "view=motor&speed=1200&step=0");
    EXPECT_EQ(PageAddressOf(Changed<ExplorerSettings>([](auto& s) {
                                s.supply.offset = {0, 1e-7, -30};
                            }),
                            0),
              "view=explorer&offsets=0,0.0000001,-30&step=0");
}

}  // namespace
