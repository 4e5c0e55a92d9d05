#pragma once

#include <QStringList>
#include <QVector>

// How one list of stored lines became another, holding only what differs: a sort is the new order
// of the old lines, a generation the lines it added. The lines both lists share at their start and
// end are left out; a line found in both is kept as its old position, not as text. Either list can
// be made again from the other.
class LinesChange
{
public:
    LinesChange() = default;
    LinesChange(const QStringList& before, const QStringList& after);

    QStringList apply(const QStringList& before) const;
    QStringList revert(const QStringList& after) const;

    bool isEmpty() const { return m_fromBefore.isEmpty() && m_removedAt.isEmpty(); }

private:
    int m_start = 0;     // lines shared at the start
    int m_endShared = 0; // lines shared at the end
    // For each line of the changed middle of `after`: its position in the middle of `before`, or -1
    // for a line that is new, taken in turn from m_added.
    QVector<int> m_fromBefore;
    QStringList m_added;
    // The lines of the middle of `before` that `after` does not keep, with their positions there.
    QVector<int> m_removedAt;
    QStringList m_removed;
};
