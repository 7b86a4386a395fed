// Texts between the core (UTF-8 std::string) and Qt.
#pragma once

#include <QString>

#include <string>

namespace zeph {

inline QString qt_text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace zeph
