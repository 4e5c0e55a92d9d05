#include "core/standings/HeadToHead.h"

#include "core/records/RecordLines.h"

#include <QHash>
#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

const QString kResultPrefix = QStringLiteral("R:");
const QString kVersus = QStringLiteral("-v-");

qint16 goalsFrom(QStringView text)
{
    const std::optional<qint16> number = readNumberField(text);
    return number ? *number : 0;
}

// Where a name occurs in a result line: the line's position and where the name first starts.
struct Occurrence
{
    int line = 0;
    int start = 0;
};

// Finds, for every team name at once, the result lines that contain it. Checking every line for
// every level pair costs lines x pairs substring searches; one multi-pattern pass over the lines
// (Aho-Corasick) gives the same answers for every name in time proportional to the text.
class NameOccurrences
{
public:
    NameOccurrences(const QStringList& names, const QStringList& lines)
    {
        m_byName.resize(names.size());
        buildAutomaton(names);
        scan(names, lines);
    }

    const std::vector<Occurrence>& of(int nameIndex) const { return m_byName[nameIndex]; }

private:
    struct Node
    {
        int fail = 0;
        int output = -1;     // pattern ending here, if any
        int outputLink = -1; // nearest node on the fail chain that ends a pattern
        int depth = 0;
    };

    static quint64 key(int node, char16_t c) { return (quint64(node) << 16) | c; }

    int child(int node, char16_t c) const
    {
        const auto it = m_edges.find(key(node, c));
        return it == m_edges.end() ? -1 : it->second;
    }

    void buildAutomaton(const QStringList& names)
    {
        m_nodes.push_back(Node {});
        m_patternOfName.resize(names.size(), -1);
        QHash<QString, int> patternIds;
        for (int i = 0; i < names.size(); ++i) {
            const QString& name = names[i];
            if (name.isEmpty())
                continue;
            const auto found = patternIds.constFind(name);
            if (found != patternIds.constEnd()) {
                m_patternOfName[i] = *found;
                continue;
            }
            int node = 0;
            for (const QChar c : name) {
                int next = child(node, c.unicode());
                if (next < 0) {
                    next = int(m_nodes.size());
                    Node created;
                    created.depth = m_nodes[node].depth + 1;
                    m_nodes.push_back(created);
                    m_edges.emplace(key(node, c.unicode()), next);
                    m_children.resize(m_nodes.size());
                    m_children[node].push_back({ c.unicode(), next });
                }
                node = next;
            }
            const int pattern = int(m_patternLengths.size());
            m_patternLengths.push_back(int(name.size()));
            m_nodes[node].output = pattern;
            patternIds.insert(name, pattern);
            m_patternOfName[i] = pattern;
        }
        m_children.resize(m_nodes.size());

        // Breadth first, so that every node's fail target is finished before the node itself.
        std::vector<int> queue;
        for (const auto& [c, next] : m_children[0]) {
            m_nodes[next].fail = 0;
            queue.push_back(next);
        }
        for (size_t head = 0; head < queue.size(); ++head) {
            const int node = queue[head];
            const int fail = m_nodes[node].fail;
            m_nodes[node].outputLink = m_nodes[fail].output >= 0 ? fail : m_nodes[fail].outputLink;
            for (const auto& [c, next] : m_children[node]) {
                int f = fail;
                int target = child(f, c);
                while (target < 0 && f != 0) {
                    f = m_nodes[f].fail;
                    target = child(f, c);
                }
                m_nodes[next].fail = (target >= 0 && target != next) ? target : 0;
                queue.push_back(next);
            }
        }
    }

    void scan(const QStringList& names, const QStringList& lines)
    {
        std::vector<std::vector<Occurrence>> byPattern(m_patternLengths.size());
        std::vector<int> lastLine(m_patternLengths.size(), -1);
        bool anyEmptyName = false;
        for (const QString& name : names)
            anyEmptyName = anyEmptyName || name.isEmpty();
        std::vector<Occurrence> everyLine;

        for (int lineIndex = 0; lineIndex < lines.size(); ++lineIndex) {
            const QString& line = lines[lineIndex];
            if (!line.startsWith(kResultPrefix))
                continue;
            // An empty name occurs in every line, at its start.
            if (anyEmptyName)
                everyLine.push_back({ lineIndex, 0 });
            int node = 0;
            const char16_t* text = reinterpret_cast<const char16_t*>(line.utf16());
            for (int pos = 0; pos < line.size(); ++pos) {
                const char16_t c = text[pos];
                int next = child(node, c);
                while (next < 0 && node != 0) {
                    node = m_nodes[node].fail;
                    next = child(node, c);
                }
                node = next < 0 ? 0 : next;
                // Matches are met in order of their end, so for one pattern (one length) the first
                // met is the first occurrence.
                for (int hit = m_nodes[node].output >= 0 ? node : m_nodes[node].outputLink; hit >= 0;
                     hit = m_nodes[hit].outputLink) {
                    const int pattern = m_nodes[hit].output;
                    if (lastLine[pattern] == lineIndex)
                        continue;
                    lastLine[pattern] = lineIndex;
                    byPattern[pattern].push_back({ lineIndex, pos + 1 - m_patternLengths[pattern] });
                }
            }
        }
        for (int i = 0; i < names.size(); ++i)
            m_byName[i] = m_patternOfName[i] >= 0 ? byPattern[m_patternOfName[i]] : everyLine;
    }

    std::vector<Node> m_nodes;
    std::unordered_map<quint64, int> m_edges;
    std::vector<std::vector<std::pair<char16_t, int>>> m_children;
    std::vector<int> m_patternLengths;
    std::vector<int> m_patternOfName;
    std::vector<std::vector<Occurrence>> m_byName;
};

// A line in which both teams of a pair occur, with where each name first starts.
struct SharedLine
{
    int line = 0;
    int startFirst = 0; // of the team that was upper when the pair was met
    int startSecond = 0;
};

std::vector<SharedLine> sharedLines(const std::vector<Occurrence>& first, const std::vector<Occurrence>& second)
{
    std::vector<SharedLine> shared;
    const bool firstShorter = first.size() <= second.size();
    const std::vector<Occurrence>& shorter = firstShorter ? first : second;
    const std::vector<Occurrence>& longer = firstShorter ? second : first;
    auto cursor = longer.begin();
    for (const Occurrence& occurrence : shorter) {
        cursor = std::lower_bound(cursor, longer.end(), occurrence.line,
                                  [](const Occurrence& o, int line) { return o.line < line; });
        if (cursor == longer.end())
            break;
        if (cursor->line != occurrence.line)
            continue;
        if (firstShorter)
            shared.push_back({ occurrence.line, occurrence.start, cursor->start });
        else
            shared.push_back({ occurrence.line, cursor->start, occurrence.start });
    }
    return shared;
}

} // namespace

bool isLevelPair(const LeagueRow& upper, const LeagueRow& lower)
{
    return upper.pts == lower.pts && upper.won == lower.won && upper.diff == lower.diff
        && upper.goalsFor == lower.goalsFor;
}

HeadToHeadGoals readHeadToHeadGoals(QStringView line)
{
    HeadToHeadGoals goals;
    // The full-time score is found by its place among the colons, never by searching "FT:", which a
    // team's name may hold.
    qsizetype start = 0;
    for (int colon = 0; colon < 5; ++colon) {
        start = line.indexOf(u':', start);
        if (start < 0)
            return goals;
        ++start;
    }
    const qsizetype end = line.indexOf(u':', start);
    const QStringView fullTime = end < 0 ? line.mid(start) : line.mid(start, end - start);
    const qsizetype dash = fullTime.indexOf(u'-');
    if (dash < 0) {
        goals.home = goalsFrom(fullTime);
        return goals;
    }
    goals.home = goalsFrom(fullTime.left(dash));
    goals.away = goalsFrom(fullTime.mid(dash + 1));
    return goals;
}

void separateLevelPairs(QVector<LeagueRow>& rows, const QStringList& displayLines)
{
    const int n = int(rows.size());
    if (n < 2)
        return;

    // Rows only change places, so every name keeps its index below wherever its row moves.
    QStringList names;
    for (const LeagueRow& row : rows)
        names.append(row.name);
    std::vector<int> nameAt(n);
    for (int i = 0; i < n; ++i)
        nameAt[i] = i;

    std::optional<NameOccurrences> occurrences;
    std::vector<HeadToHeadGoals> goals;
    std::vector<qsizetype> versus;

    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i + 1 < n; ++i) {
            if (!isLevelPair(rows[i], rows[i + 1]))
                continue;
            if (!occurrences) {
                occurrences.emplace(names, displayLines);
                goals.resize(displayLines.size());
                versus.resize(displayLines.size());
                for (int l = 0; l < displayLines.size(); ++l) {
                    if (!displayLines[l].startsWith(kResultPrefix))
                        continue;
                    goals[l] = readHeadToHeadGoals(displayLines[l]);
                    versus[l] = displayLines[l].indexOf(kVersus);
                }
            }
            const int first = nameAt[i];
            const int second = nameAt[i + 1];
            bool firstIsUpper = true;
            for (const SharedLine& shared : sharedLines(occurrences->of(first), occurrences->of(second))) {
                const int upperStart = firstIsUpper ? shared.startFirst : shared.startSecond;
                const bool upperIsHome = versus[shared.line] >= 0 && upperStart < versus[shared.line];
                const HeadToHeadGoals& game = goals[shared.line];
                const qint16 upperGoals = upperIsHome ? game.home : game.away;
                const qint16 lowerGoals = upperIsHome ? game.away : game.home;
                if (lowerGoals > upperGoals) {
                    std::swap(rows[i], rows[i + 1]);
                    std::swap(nameAt[i], nameAt[i + 1]);
                    firstIsUpper = !firstIsUpper;
                }
            }
        }
    }
}
