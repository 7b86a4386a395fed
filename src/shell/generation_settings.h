// The generation options the settings give: parts, file organisation and extensions, and the
// analysis tool; the generate command and the Generate dialog start from them.
#pragma once

#include "hdl/generation_options.h"

namespace zeph {

struct Settings;

GenerationOptions generation_options(const Settings& settings);

} // namespace zeph
