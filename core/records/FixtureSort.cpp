#include "core/records/FixtureSort.h"

#include "core/records/RecordLines.h"

#include <QVector>
#include <algorithm>

bool sortByRecordDate(QStringList& lines, QString* error, QDate* firstDate, QDate* lastDate)
{
    struct Key
    {
        qint64 day;
        qsizetype position;
    };
    QVector<Key> keys;
    keys.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const QDate date = recordDateOf(line);
        if (!date.isValid()) {
            if (error)
                *error = QStringLiteral("Type mismatch: line %1 (\"%2\") has no readable date.").arg(i + 1).arg(line);
            return false;
        }
        keys.append({ date.toJulianDay(), i });
    }
    // A stable sort gives exactly the order of an exchange sort that swaps only strictly earlier
    // dates forward.
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.day < b.day; });

    QStringList sorted;
    sorted.reserve(lines.size());
    for (const Key& key : keys)
        sorted.append(lines.at(key.position));
    lines.swap(sorted);
    if (firstDate)
        *firstDate = keys.isEmpty() ? QDate() : QDate::fromJulianDay(keys.first().day);
    if (lastDate)
        *lastDate = keys.isEmpty() ? QDate() : QDate::fromJulianDay(keys.last().day);
    return true;
}
