// Random sequences of wire strokes, segment deletions and merges on a small grid, checked
// against the net invariants and against a reference model that only remembers which unit
// edges of the grid are drawn.
#include "net_test_support.h"

#include "blockdiagram/net_geometry.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>

namespace zeph::net_testing {
namespace {

constexpr int kStep = 64;
constexpr int kCells = 8; // grid points 0..kCells in each direction

// Says Yes to every short-circuit question, so random merges always go through.
class AgreeingPlatform : public ui::ScriptedPlatform {
  public:
    ui::Answer ask_yes_no(const std::string&, const std::string&) override {
        return ui::Answer::Yes;
    }
};

using GridPoint = std::pair<int, int>;
using UnitEdge = std::pair<GridPoint, GridPoint>; // ordered: first < second

std::vector<UnitEdge> unit_edges(Point a, Point b) {
    std::vector<UnitEdge> edges;
    int x1 = std::min(a.x, b.x) / kStep, x2 = std::max(a.x, b.x) / kStep;
    int y1 = std::min(a.y, b.y) / kStep, y2 = std::max(a.y, b.y) / kStep;
    for (int x = x1; x < x2; ++x)
        edges.push_back({{x, y1}, {x + 1, y1}});
    for (int y = y1; y < y2; ++y)
        edges.push_back({{x1, y}, {x1, y + 1}});
    return edges;
}

std::vector<Point> grid_points(Point a, Point b) {
    std::vector<Point> points;
    for (const UnitEdge& e : unit_edges(a, b))
        points.push_back({e.first.first * kStep, e.first.second * kStep});
    points.push_back({std::max(a.x, b.x), std::max(a.y, b.y)});
    return points;
}

// The reference: drawn unit edges; connectivity by union-find over grid points.
struct Reference {
    std::set<UnitEdge> edges;

    std::map<GridPoint, GridPoint> components() const {
        std::map<GridPoint, GridPoint> parent;
        auto find = [&](GridPoint p) {
            while (parent[p] != p)
                p = parent[p] = parent[parent[p]];
            return p;
        };
        for (const UnitEdge& e : edges) {
            parent.try_emplace(e.first, e.first);
            parent.try_emplace(e.second, e.second);
        }
        for (const UnitEdge& e : edges)
            parent[find(e.first)] = find(e.second);
        std::map<GridPoint, GridPoint> root;
        for (auto& [p, unused] : parent)
            root[p] = find(p);
        return root;
    }
};

void check_array(const std::vector<Segment>& a, bool horizontal, std::size_t net) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Segment& s = a[i];
        if (horizontal) {
            EXPECT_TRUE(s.y1 == s.y2 && s.x1 < s.x2) << "net " << net << " horizontal " << i;
        } else {
            EXPECT_TRUE(s.x1 == s.x2 && s.y1 < s.y2) << "net " << net << " vertical " << i;
        }
        if (i == 0) continue;
        const Segment& p = a[i - 1];
        int pl = horizontal ? p.y1 : p.x1, sl = horizontal ? s.y1 : s.x1;
        int plo = horizontal ? p.x1 : p.y1, slo = horizontal ? s.x1 : s.y1;
        EXPECT_TRUE(pl < sl || (pl == sl && plo < slo)) << "net " << net << " unsorted at " << i;
    }
}

bool inside(const Segment& s, Point p) {
    if (s.y1 == s.y2) return p.y == s.y1 && p.x > s.x1 && p.x < s.x2;
    return p.x == s.x1 && p.y > s.y1 && p.y < s.y2;
}

void check_contacts_and_junctions(const Net& net, std::size_t n) {
    std::vector<Segment> all = net.horizontal;
    all.insert(all.end(), net.vertical.begin(), net.vertical.end());
    std::map<std::pair<int, int>, int> ends;
    for (const Segment& s : all) {
        ++ends[{s.x1, s.y1}];
        ++ends[{s.x2, s.y2}];
    }
    for (const Segment& s : all)
        for (const Segment& t : all) {
            EXPECT_FALSE(inside(s, {t.x1, t.y1}) || inside(s, {t.x2, t.y2}))
                << "net " << n << ": an end touches a segment interior";
            bool crossing = s.y1 == s.y2 && t.x1 == t.x2 && t.x1 > s.x1 && t.x1 < s.x2 &&
                            s.y1 > t.y1 && s.y1 < t.y2;
            EXPECT_FALSE(crossing) << "net " << n << ": interiors cross";
        }
    std::set<std::pair<int, int>> expected;
    for (auto& [p, count] : ends)
        if (count >= 3) expected.insert(p);
    std::set<std::pair<int, int>> actual;
    for (const JunctionPoint& j : net.junctions)
        EXPECT_TRUE(actual.insert({j.x, j.y}).second) << "net " << n << ": duplicate junction";
    EXPECT_EQ(actual, expected) << "net " << n << ": junction points";
    // Collinear segments meeting end to end are joined unless a perpendicular end is there.
    for (std::size_t i = 0; i + 1 < net.horizontal.size(); ++i) {
        const Segment& a = net.horizontal[i];
        const Segment& b = net.horizontal[i + 1];
        if (a.y1 == b.y1 && a.x2 == b.x1) {
            EXPECT_GE((ends[{a.x2, a.y2}]), 3) << "net " << n << ": unjoined horizontal";
        }
    }
    for (std::size_t i = 0; i + 1 < net.vertical.size(); ++i) {
        const Segment& a = net.vertical[i];
        const Segment& b = net.vertical[i + 1];
        if (a.x1 == b.x1 && a.y2 == b.y1) {
            EXPECT_GE((ends[{a.x2, a.y2}]), 3) << "net " << n << ": unjoined vertical";
        }
    }
}

void check_against_reference(const BlockDiagram& diagram, const Reference& reference) {
    std::multiset<UnitEdge> drawn;
    std::map<GridPoint, std::size_t> owner;
    for (std::size_t n = 0; n < diagram.nets.size(); ++n) {
        const Net& net = *diagram.nets[n];
        EXPECT_EQ(net.number, static_cast<int>(n));
        EXPECT_FALSE(net.horizontal.empty() && net.vertical.empty()) << "empty net " << n;
        check_array(net.horizontal, true, n);
        check_array(net.vertical, false, n);
        check_contacts_and_junctions(net, n);
        for (const auto* a : {&net.horizontal, &net.vertical})
            for (const Segment& s : *a)
                for (const UnitEdge& e : unit_edges({s.x1, s.y1}, {s.x2, s.y2})) {
                    drawn.insert(e);
                    for (GridPoint p : {e.first, e.second}) {
                        auto [it, fresh] = owner.emplace(p, n);
                        EXPECT_TRUE(fresh || it->second == n)
                            << "nets " << it->second << " and " << n << " share a point";
                    }
                }
    }
    EXPECT_EQ(std::set<UnitEdge>(drawn.begin(), drawn.end()), reference.edges);
    EXPECT_EQ(drawn.size(), reference.edges.size()) << "overlapping collinear segments";
    // One net per connected piece of the reference, and the reverse.
    std::map<GridPoint, GridPoint> root = reference.components();
    std::map<std::size_t, GridPoint> component_of_net;
    std::map<GridPoint, std::size_t> net_of_component;
    for (auto& [p, n] : owner) {
        GridPoint r = root.at(p);
        auto [a, fresh_a] = component_of_net.emplace(n, r);
        EXPECT_EQ(a->second, r) << "net " << n << " spans two reference pieces";
        auto [b, fresh_b] = net_of_component.emplace(r, n);
        EXPECT_EQ(b->second, n) << "one reference piece is split over nets";
    }
}

class RandomNets : public ::testing::TestWithParam<unsigned> {
  protected:
    Point random_point() { return {cell(rng) * kStep, cell(rng) * kStep}; }

    void stroke() {
        Point a = random_point();
        Point b = a;
        int length = std::uniform_int_distribution<int>(1, 4)(rng) * kStep;
        if (coin(rng) == 0)
            b.x = std::clamp(a.x + (coin(rng) == 0 ? length : -length), 0, kCells * kStep);
        else
            b.y = std::clamp(a.y + (coin(rng) == 0 ? length : -length), 0, kCells * kStep);
        if (a == b) return;
        std::vector<std::size_t> touched;
        for (std::size_t n = 0; n < diagram.nets.size(); ++n)
            for (Point p : grid_points(a, b))
                if (segments_through(*diagram.nets[n], p) > 0) {
                    touched.push_back(n);
                    break;
                }
        for (const UnitEdge& e : unit_edges(a, b))
            reference.edges.insert(e);
        if (touched.empty()) {
            auto net = std::make_unique<Net>();
            net->number = static_cast<int>(diagram.nets.size());
            insert_stretch(*net, a, b);
            diagram.nets.push_back(std::move(net));
            return;
        }
        insert_stretch(*diagram.nets[touched[0]], a, b);
        // Merge the others into the first, from the back so positions stay valid.
        for (std::size_t k = touched.size(); k-- > 1;)
            ASSERT_NE(merge_nets(platform, diagram, touched[0], touched[k]), nullptr);
    }

    void delete_one() {
        if (diagram.nets.empty()) return;
        std::size_t n = std::uniform_int_distribution<std::size_t>(0, diagram.nets.size() - 1)(rng);
        Net& net = *diagram.nets[n];
        std::size_t count = net.horizontal.size() + net.vertical.size();
        std::size_t i = std::uniform_int_distribution<std::size_t>(0, count - 1)(rng);
        SegmentRef ref = i < net.horizontal.size()
                             ? SegmentRef{Orientation::Horizontal, i}
                             : SegmentRef{Orientation::Vertical, i - net.horizontal.size()};
        const Segment& s = segment_at(net, ref);
        for (const UnitEdge& e : unit_edges({s.x1, s.y1}, {s.x2, s.y2}))
            reference.edges.erase(e);
        delete_segment_and_split(platform, kLanguageVhdl, diagram, n, ref);
    }

    AgreeingPlatform platform;
    BlockDiagram diagram;
    Reference reference;
    std::mt19937 rng{GetParam()};
    std::uniform_int_distribution<int> cell{0, kCells};
    std::uniform_int_distribution<int> coin{0, 1};
};

TEST_P(RandomNets, InvariantsAndConnectivityHoldAfterEveryStep) {
    std::uniform_int_distribution<int> action(0, 9);
    for (int step = 0; step < 150; ++step) {
        if (action(rng) < 7)
            stroke();
        else
            delete_one();
        check_against_reference(diagram, reference);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "seed " << GetParam() << ", step " << step;
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomNets, ::testing::Range(1u, 41u));

} // namespace
} // namespace zeph::net_testing
