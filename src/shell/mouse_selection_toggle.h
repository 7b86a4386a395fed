// Shift+click on an object: it leaves the selection when it was in it, else joins it. Block and
// state diagrams keep selections of their own object kinds; the gesture is the same.
#pragma once

#include <algorithm>
#include <vector>

namespace zeph {

template <typename Object>
void toggle_selected(std::vector<Object>& selection, const Object& object) {
    auto found = std::find(selection.begin(), selection.end(), object);
    if (found != selection.end())
        selection.erase(found);
    else
        selection.push_back(object);
}

} // namespace zeph
