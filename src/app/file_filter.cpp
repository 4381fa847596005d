#include "app/file_filter.h"

#include <QStringList>

namespace talvo {

QString ToQtFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.isEmpty() && pattern.isEmpty()) continue;
        if (description.endsWith(QStringLiteral("(%1)").arg(pattern))) {
            filters << description;
        } else {
            filters << QStringLiteral("%1 (%2)").arg(description, pattern);
        }
    }
    return filters.join(QStringLiteral(";;"));
}

QString DataFileFilter() {
    return ToQtFilter(QString::fromUtf8(kDataFileFilter));
}

}  // namespace talvo
