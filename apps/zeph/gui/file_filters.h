// File dialog filters: the "Description|*.ext|Other|*.a;*.b" form the logic writes, as Qt's
// "Description (*.ext);;Other (*.a *.b)".
#pragma once

#include <QString>

#include <string_view>

namespace zeph {

QString qt_file_filter(std::string_view filter);

} // namespace zeph
