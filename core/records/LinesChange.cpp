#include "core/records/LinesChange.h"

#include <QHash>
#include <algorithm>

LinesChange::LinesChange(const QStringList& before, const QStringList& after)
{
    const int shorter = int(std::min(before.size(), after.size()));
    while (m_start < shorter && before[m_start] == after[m_start])
        ++m_start;
    while (m_endShared < shorter - m_start
           && before[before.size() - 1 - m_endShared] == after[after.size() - 1 - m_endShared])
        ++m_endShared;

    const int beforeCount = int(before.size()) - m_start - m_endShared;
    const int afterCount = int(after.size()) - m_start - m_endShared;
    // Equal lines (two fixtures of one day between the same teams) are matched in order.
    QHash<QString, QVector<int>> unused;
    for (int i = beforeCount - 1; i >= 0; --i)
        unused[before[m_start + i]].append(i);
    QVector<bool> kept(beforeCount, false);
    m_fromBefore.reserve(afterCount);
    for (int i = 0; i < afterCount; ++i) {
        const QString& line = after[m_start + i];
        auto found = unused.find(line);
        if (found == unused.end() || found->isEmpty()) {
            m_fromBefore.append(-1);
            m_added.append(line);
            continue;
        }
        const int position = found->takeLast();
        kept[position] = true;
        m_fromBefore.append(position);
    }
    for (int i = 0; i < beforeCount; ++i) {
        if (!kept[i]) {
            m_removedAt.append(i);
            m_removed.append(before[m_start + i]);
        }
    }
}

QStringList LinesChange::apply(const QStringList& before) const
{
    QStringList after = before.mid(0, m_start);
    after.reserve(m_start + m_fromBefore.size() + m_endShared);
    int added = 0;
    for (const int position : m_fromBefore)
        after.append(position < 0 ? m_added[added++] : before[m_start + position]);
    after.append(before.mid(before.size() - m_endShared));
    return after;
}

QStringList LinesChange::revert(const QStringList& after) const
{
    const int middle = int(m_fromBefore.size() - m_added.size() + m_removed.size());
    QStringList before = after.mid(0, m_start);
    before.reserve(m_start + middle + m_endShared);
    QStringList restored(middle);
    for (int i = 0; i < m_fromBefore.size(); ++i)
        if (m_fromBefore[i] >= 0)
            restored[m_fromBefore[i]] = after[m_start + i];
    for (int i = 0; i < m_removedAt.size(); ++i)
        restored[m_removedAt[i]] = m_removed[i];
    before.append(restored);
    before.append(after.mid(after.size() - m_endShared));
    return before;
}
