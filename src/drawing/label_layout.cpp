// Laying out label texts around their anchors.
#include "drawing/label_layout.h"

#include "blockdiagram/segment_axis.h"

#include <algorithm>

namespace zeph {

namespace {
constexpr int kMinTextSize = 2;
constexpr int kMaxTextSize = 50;
constexpr int kUnitsPerTextSize = 6;

// Characters, not bytes, so that a UTF-8 text is not measured too wide.
long long characters(std::string_view text) {
    long long count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++count;
    return count;
}
} // namespace

int font_height(int text_size) {
    return std::clamp(text_size, kMinTextSize, kMaxTextSize) * kUnitsPerTextSize;
}

bool label_shown(const LabelDisplay& label) {
    return label.options != kLabelHidden && !label.text.empty();
}

LabelLayout layout_label(const LabelDisplay& label, int default_size) {
    LabelLayout layout;
    int font = font_height(label.size > 0 ? label.size : default_size);
    layout.style.size = font;
    int line_height = font * 6 / 5;
    int ascent = font * 4 / 5;

    std::vector<std::string_view> texts;
    std::string_view rest = label.text;
    long long widest = 0;
    for (;;) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        texts.push_back(line);
        widest = std::max(widest, characters(line) * font * 3 / 5);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    long long height = static_cast<long long>(line_height) * static_cast<long long>(texts.size());

    const Point anchor = label.anchor;
    long long top = anchor.y - height / 2;
    long long left = anchor.x;
    switch (label.alignment) {
    case kAlignReversed:
        layout.style.anchor = TextAnchor::End;
        left = anchor.x - widest;
        break;
    case kAlignCentred:
        layout.style.anchor = TextAnchor::Middle;
        left = anchor.x - widest / 2;
        break;
    case kAlignCentredReversed:
        layout.style.anchor = TextAnchor::Middle;
        left = anchor.x - widest / 2;
        top = anchor.y;
        break;
    default:
        layout.style.anchor = TextAnchor::Start;
        break;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        long long baseline = top + static_cast<long long>(i) * line_height + ascent;
        layout.lines.push_back({{anchor.x, axis::clamped(baseline)}, texts[i]});
    }
    layout.box = {axis::clamped(left), axis::clamped(top), axis::clamped(left + widest),
                  axis::clamped(top + height)};
    return layout;
}

} // namespace zeph
