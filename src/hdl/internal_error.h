// The stand-in for a name the generator cannot find: a bus that is not a local signal and has
// no diagram port of a usable mode. System message 1501 is shown and the text
// "*** Internal Error on net NAME(number,class)" stands in the output, which does not analyse,
// so the fault cannot go unnoticed; generation goes on.
#pragma once

#include "ui/platform.h"

#include <string>

namespace zeph {

struct Net;

// "Net_%d" with the net's number when it has no proper name.
std::string net_display_name(const Net& net);

// Shows message 1501 (with the net's number and name) and returns the stand-in text; the two
// numbers are the net's number and its signal class.
std::string internal_error_name(ui::Platform& platform, const Net& net);

} // namespace zeph
