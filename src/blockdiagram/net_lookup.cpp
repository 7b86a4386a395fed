// Finding segments and nets, net display names and the label texts of nets and bus entries.
#include "blockdiagram/net_lookup.h"

#include "blockdiagram/segment_axis.h"
#include "design/design_defaults.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zeph {

int point_segment_distance(const Segment& s, Point p) {
    auto truncated = [](double d) {
        return d >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                    : static_cast<int>(d);
    };
    bool horizontal = s.y1 == s.y2;
    if (horizontal && p.x >= s.x1 && p.x <= s.x2)
        return truncated(std::abs(static_cast<double>(p.y) - s.y1));
    if (!horizontal && p.y >= s.y1 && p.y <= s.y2)
        return truncated(std::abs(static_cast<double>(p.x) - s.x1));
    auto distance = [&](int x, int y) {
        double dx = static_cast<double>(p.x) - x;
        double dy = static_cast<double>(p.y) - y;
        return std::sqrt(dx * dx + dy * dy);
    };
    return truncated(std::min(distance(s.x1, s.y1), distance(s.x2, s.y2)));
}

namespace {

Point snapped_onto(const Segment& s, Orientation o, Point p) {
    if (o == Orientation::Horizontal) return {std::clamp(p.x, s.x1, s.x2), s.y1};
    return {s.x1, std::clamp(p.y, s.y1, s.y2)};
}

} // namespace

std::optional<SegmentHit> find_segment(const BlockDiagram& diagram, Point point, int tolerance,
                                       bool snap) {
    std::optional<SegmentHit> best;
    for (std::size_t n = 0; n < diagram.nets.size(); ++n) {
        const Net& net = *diagram.nets[n];
        for (Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
            const std::vector<Segment>& a = axis::segments(net, o);
            for (std::size_t i = 0; i < a.size(); ++i) {
                int d = point_segment_distance(a[i], point);
                if (d > tolerance || (best && d >= best->distance)) continue;
                best = SegmentHit{n, {o, i}, d, snap ? snapped_onto(a[i], o, point) : point};
            }
        }
    }
    return best;
}

std::string net_display_name(const Net& net, int bit) {
    std::string name = !net.name.empty() ? net.name : format_text("Net_%d", net.number);
    if (bit == kNameOnly || !net.bus) return name;
    if (bit == kNameWithRange)
        return format_text("%s(%s:%s)", name.c_str(), net.range.left.c_str(),
                           net.range.right.c_str());
    return format_text("%s(%d)", name.c_str(), bit);
}

namespace {

// The n of "Net_n" when the rest is a plain decimal number.
std::optional<long long> net_number_of(std::string_view text) {
    constexpr std::string_view prefix = "Net_";
    if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
    std::string_view digits = text.substr(prefix.size());
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    long long value = 0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::size_t> find_net_index(const BlockDiagram& diagram, std::string_view text) {
    std::string wanted = to_lower_ascii(text);
    for (std::size_t i = 0; i < diagram.nets.size(); ++i) {
        const Net& net = *diagram.nets[i];
        if (!net.name.empty() && to_lower_ascii(net.name) == wanted) return i;
    }
    std::optional<long long> n = net_number_of(text);
    if (n && *n >= 0 && static_cast<unsigned long long>(*n) < diagram.nets.size())
        return static_cast<std::size_t>(*n);
    return std::nullopt;
}

Point net_centre(const Net& net) {
    long long sx = 0;
    long long sy = 0;
    long long count = 0;
    for (const auto* a : {&net.horizontal, &net.vertical})
        for (const Segment& s : *a) {
            sx += static_cast<long long>(s.x1) + s.x2;
            sy += static_cast<long long>(s.y1) + s.y2;
            ++count;
        }
    if (count == 0) return {};
    return {static_cast<int>(sx / (2 * count)), static_cast<int>(sy / (2 * count))};
}

std::optional<FoundNet> find_net(ui::Platform& platform, int language, BlockDiagram& diagram,
                                 std::string_view text) {
    std::optional<std::size_t> index = find_net_index(diagram, text);
    for (auto& net : diagram.nets)
        net->status &= ~kNetPicked;
    if (!index) {
        platform.status(format_text("No %s found.", kind_name(language, kKindNet, 0, 1).c_str()),
                        true);
        return std::nullopt;
    }
    Net& net = *diagram.nets[*index];
    net.status |= kNetPicked;
    return FoundNet{*index, net_centre(net)};
}

std::string net_label_text(const Net& net) {
    std::string text;
    if (net.label.options == kLabelHidden) return text;
    if ((net.label.options & kNetShowName) != 0 && !net.name.empty()) text = net.name;
    if ((net.label.options & kNetShowRange) != 0 && net.bus)
        text += format_text("(%s:%s)", net.range.left.c_str(), net.range.right.c_str());
    return text;
}

std::string bus_entry_label_text(const BusEntry& entry) {
    if (entry.slice) return format_text("(%s:%s)", entry.index.c_str(), entry.right.c_str());
    return format_text("(%s)", entry.index.c_str());
}

LabelDisplay new_label(const DesignDefaults& defaults, LabelKind kind, Point anchor) {
    LabelDisplay label;
    label.anchor = anchor;
    label.size = defaults.text_size_of(kind);
    label.options = defaults.label_format_of(kind);
    label.colour = defaults.foreground_colour;
    return label;
}

void refresh_net_labels(Net& net) {
    net.label.text = net_label_text(net);
    for (auto& entry : net.bus_entries)
        entry->label.text = bus_entry_label_text(*entry);
}

std::string ratsnest_description(int language, const Net& net) {
    std::string name = net_display_name(net);
    return format_text("%s of %s '%s'", kind_name(language, kKindRatsnest, kKindCapital, 1).c_str(),
                       kind_name(language, kKindNet, 0, 1).c_str(), name.c_str());
}

} // namespace zeph
