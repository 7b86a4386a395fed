// Translating file dialog filters.
#include "file_filters.h"

#include <QStringList>

namespace zeph {

QString qt_file_filter(std::string_view filter) {
    if (filter.empty()) return {};
    QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : description;
        patterns.replace(u';', u' ');
        if (patterns.isEmpty()) patterns = QStringLiteral("*");
        // A description that already names its patterns keeps them once.
        if (description.isEmpty() || description.contains(u'('))
            filters << (description.isEmpty() ? patterns : description);
        else
            filters << description + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace zeph
