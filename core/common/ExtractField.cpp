#include "core/common/ExtractField.h"

namespace {

QString trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first).toString();
}

} // namespace

QString extractField(const QString& line, int n)
{
    if (n < 1)
        return kNoData;
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype comma = line.indexOf(u',', start);
        if (comma < 0)
            return kNoData;
        start = comma + 1;
    }
    qsizetype end = line.indexOf(u',', start);
    if (end < 0)
        end = line.size();

    QString value = trimBlanks(QStringView(line).mid(start, end - start));
    if (value.startsWith(u'"'))
        value.remove(0, 1);
    if (value.endsWith(u'"'))
        value.chop(1);
    return value;
}
