#include "KnockoutTemplate.h"

#include "core/knockout/KnockoutRounds.h"
#include "core/records/CsvRows.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

QString letter(int group)
{
    return QChar(char16_t(u'A' + group));
}

QString letters(const QVector<int>& groups)
{
    QString text;
    for (const int group : groups)
        text += letter(group);
    return text;
}

// Distinct capital letters as group indices; nothing for anything else.
std::optional<QVector<int>> readGroups(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]+$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    QVector<int> groups;
    for (const QChar c : text) {
        if (groups.contains(c.unicode() - u'A'))
            return std::nullopt;
        groups.append(c.unicode() - u'A');
    }
    return groups;
}

std::optional<TemplateSlot> readSlot(const QString& text, QString* problem)
{
    if (text.compare(QLatin1String("bye"), Qt::CaseInsensitive) == 0)
        return TemplateSlot {};
    const std::optional<QVector<int>> groups
        = text.size() > 1 && text[0] >= u'1' && text[0] <= u'9' ? readGroups(text.mid(1)) : std::nullopt;
    if (!groups) {
        *problem = QCoreApplication::translate(
            "KnockoutTemplate",
            "write 1A for the winner of group A, 2C for the runner-up of group C, 3ADEF for "
            "one of the best third-placed teams of groups A, D, E or F, or bye");
        return std::nullopt;
    }
    const TemplateSlot slot { text[0].digitValue(), *groups };
    if (slot.isThird() && slot.position != 3) {
        *problem = QCoreApplication::translate("KnockoutTemplate", "only third-placed teams are chosen among groups");
        return std::nullopt;
    }
    return slot;
}

bool sameSlot(const TemplateSlot& a, const TemplateSlot& b)
{
    return a.position == b.position && a.groups == b.groups;
}

// A thirds row checked against the slots: its groups, as many as the slots for thirds, and a tie
// for each of them that allows it.
std::optional<ThirdsAssignment> readThirds(const CsvRow& row, const QVector<TemplateSlot>& places, QString* refusal)
{
    const QString line = QCoreApplication::translate("KnockoutTemplate", "Line %1: ").arg(row.line);
    const int thirdSlots = int(std::count_if(places.begin(), places.end(), [](const auto& s) { return s.isThird(); }));
    std::optional<QVector<int>> groups = readGroups(row.cells.value(1).trimmed());
    if (!groups || groups->size() != thirdSlots) {
        *refusal = line
            + QStringLiteral("\"%1\" is not a set of groups: write the letters of the %2 groups whose thirds qualify.")
                  .arg(row.cells.value(1).trimmed(), QString::number(thirdSlots));
        return std::nullopt;
    }
    std::sort(groups->begin(), groups->end());
    ThirdsAssignment assignment { *groups, {} };
    const QStringList pairs = row.cells.value(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const std::optional<TieId> tie = readTieCode(pair.section(QLatin1Char('='), 0, 0));
        const std::optional<QVector<int>> group = readGroups(pair.section(QLatin1Char('='), 1));
        int slot = tie && tie->roundSize == places.size() && !tie->thirdPlace ? 2 * tie->number - 2 : -1;
        if (slot >= 0 && !places[slot].isThird())
            ++slot;
        if (slot < 0 || !places[slot].isThird() || !group || group->size() != 1) {
            *refusal = line
                + QStringLiteral("\"%1\" is not a tie and a group, as R16-3=F for a tie with a third's place.")
                      .arg(pair);
            return std::nullopt;
        }
        if (!groups->contains(group->first()) || !places[slot].groups.contains(group->first())) {
            *refusal = line
                + QCoreApplication::translate("KnockoutTemplate", "the third of group %1 cannot play in %2.")
                      .arg(letter(group->first()), tieCode(*tie));
            return std::nullopt;
        }
        if (assignment.groupOfSlot.contains(slot) || assignment.groupOfSlot.values().contains(group->first())) {
            *refusal = line
                + QCoreApplication::translate("KnockoutTemplate", "each of the %1 thirds needs a tie of its own.")
                      .arg(thirdSlots);
            return std::nullopt;
        }
        assignment.groupOfSlot.insert(slot, group->first());
    }
    if (assignment.groupOfSlot.size() != thirdSlots) {
        *refusal = line
            + QCoreApplication::translate("KnockoutTemplate", "each of the %1 thirds needs a tie of its own.")
                  .arg(thirdSlots);
        return std::nullopt;
    }
    return assignment;
}

// The slots from `next` on take, each, the best-ranked unused third they allow for which the
// slots after them can still all be filled.
bool assignThirds(const QVector<int>& thirdSlots, int next, const QVector<TemplateSlot>& templateSlots,
                  const QVector<int>& ranked, QVector<bool>& used, QMap<int, int>& groupOfSlot)
{
    if (next == thirdSlots.size())
        return true;
    for (int rank = 0; rank < ranked.size(); ++rank) {
        if (used[rank] || !templateSlots[thirdSlots[next]].groups.contains(ranked[rank]))
            continue;
        used[rank] = true;
        groupOfSlot.insert(thirdSlots[next], ranked[rank]);
        if (assignThirds(thirdSlots, next + 1, templateSlots, ranked, used, groupOfSlot))
            return true;
        used[rank] = false;
    }
    return false;
}

} // namespace

std::optional<KnockoutTemplate> readKnockoutTemplate(const QByteArray& bytes, QString* refusal)
{
    QString unwanted; // a caller that only asks whether the file is a template
    if (!refusal)
        refusal = &unwanted;
    const CsvReading reading = readCsv(bytes);
    if (!reading.ok()) {
        *refusal = reading.error;
        return std::nullopt;
    }
    if (reading.rows.isEmpty()
        || reading.rows.first().cells.join(QLatin1Char(',')).toLower().remove(QLatin1Char(' '))
            != QLatin1String("tie,home,away")) {
        *refusal = QCoreApplication::translate("KnockoutTemplate", "Line 1: the header must be \"tie,home,away\".");
        return std::nullopt;
    }
    KnockoutTemplate result;
    QList<CsvRow> ties;
    QList<CsvRow> thirdsRows;
    for (const CsvRow& row : reading.rows.mid(1)) {
        const bool thirds = row.cells.first().trimmed().compare(QLatin1String("thirds"), Qt::CaseInsensitive) == 0;
        (thirds ? thirdsRows : ties).append(row);
    }
    // Counted before the rows are read, so that a huge file is refused at once.
    if (ties.size() < 1 || ties.size() > kMaximumEntrants / 2 || bracketSize(2 * int(ties.size())) != 2 * ties.size()) {
        *refusal = QCoreApplication::translate("KnockoutTemplate",
                                               "A template has 1, 2, 4, 8, 16 or 32 ties; this one has %1.")
                       .arg(ties.size());
        return std::nullopt;
    }
    QVector<int> lineOfPlace;
    for (const CsvRow& row : std::as_const(ties)) {
        const QString line = QCoreApplication::translate("KnockoutTemplate", "Line %1: ").arg(row.line);
        if (row.cells.size() != 3) {
            *refusal = line
                + QCoreApplication::translate("KnockoutTemplate", "a tie has three cells: the tie, home and away.");
            return std::nullopt;
        }
        for (const QString& cell : row.cells.mid(1)) {
            QString problem;
            const std::optional<TemplateSlot> slot = readSlot(cell.trimmed(), &problem);
            if (!slot) {
                *refusal = line + QStringLiteral("\"%1\" is not a slot: %2.").arg(cell.trimmed(), problem);
                return std::nullopt;
            }
            for (int earlier = 0; earlier < result.places.size() && slot->position > 0; ++earlier) {
                const TemplateSlot& other = result.places[earlier];
                if (sameSlot(other, *slot)) {
                    *refusal = line + QStringLiteral("\"%1\" is already in the template.").arg(cell.trimmed());
                    return std::nullopt;
                }
                // "3H" and "3GH" are the same team when the third of group H qualifies.
                const bool overlap = other.position == slot->position && other.isThird() != slot->isThird()
                    && (other.isThird() ? other.groups.contains(slot->groups.first())
                                        : slot->groups.contains(other.groups.first()));
                if (overlap) {
                    *refusal = line
                        + QStringLiteral("\"%1\" can be the same team as \"%2%3\" on line %4: a team has one "
                                         "place in the bracket.")
                              .arg(cell.trimmed(), QString::number(other.position), letters(other.groups),
                                   QString::number(lineOfPlace[earlier]));
                    return std::nullopt;
                }
            }
            result.places.append(*slot);
            lineOfPlace.append(row.line);
        }
        if (result.places.last().position == 0 && result.places[result.places.size() - 2].position == 0) {
            *refusal = line + QCoreApplication::translate("KnockoutTemplate", "a tie cannot have two byes.");
            return std::nullopt;
        }
    }
    for (int tie = 0; tie < ties.size(); ++tie) {
        const QString code = tieCode({ int(result.places.size()), tie + 1 });
        if (ties[tie].cells.first().trimmed() != code) {
            *refusal = QCoreApplication::translate(
                           "KnockoutTemplate",
                           "Line %1: \"%2\" should be tie \"%3\": the first round's ties are listed in order.")
                           .arg(QString::number(ties[tie].line), ties[tie].cells.first().trimmed(), code);
            return std::nullopt;
        }
    }
    QHash<QString, int> lineOfThirds; // by the groups' letters
    for (const CsvRow& row : std::as_const(thirdsRows)) {
        const std::optional<ThirdsAssignment> assignment = readThirds(row, result.places, refusal);
        if (!assignment)
            return std::nullopt;
        const QString groups = letters(assignment->groups);
        if (lineOfThirds.contains(groups)) {
            *refusal = QCoreApplication::translate("KnockoutTemplate",
                                                   "Line %1: the thirds of groups %2 are already placed on line %3.")
                           .arg(QString::number(row.line), groups, QString::number(lineOfThirds.value(groups)));
            return std::nullopt;
        }
        lineOfThirds.insert(groups, row.line);
        result.thirds.append(*assignment);
    }
    return result;
}

std::optional<QVector<KnockoutStage::Place>> templatePlaces(const KnockoutTemplate& knockoutTemplate,
                                                            const QVector<QVector<KnockoutTeam>>& groups,
                                                            const QVector<int>& thirdsByRank, QString* refusal)
{
    QString unwanted;
    if (!refusal)
        refusal = &unwanted;
    const QVector<TemplateSlot>& templateSlots = knockoutTemplate.places;
    QVector<int> thirdSlots;
    for (int slot = 0; slot < templateSlots.size(); ++slot) {
        if (templateSlots[slot].isThird())
            thirdSlots.append(slot);
    }
    if (thirdsByRank.size() < thirdSlots.size()) {
        *refusal = QCoreApplication::translate("KnockoutTemplate",
                                               "The template takes %1 third-placed teams; the groups have %2.")
                       .arg(thirdSlots.size())
                       .arg(thirdsByRank.size());
        return std::nullopt;
    }
    const QVector<int> qualifying = thirdsByRank.mid(0, thirdSlots.size());
    QVector<int> qualifyingGroups = qualifying;
    std::sort(qualifyingGroups.begin(), qualifyingGroups.end());
    const auto published = std::find_if(knockoutTemplate.thirds.begin(), knockoutTemplate.thirds.end(),
                                        [&](const ThirdsAssignment& a) { return a.groups == qualifyingGroups; });
    QMap<int, int> groupOfSlot;
    if (published != knockoutTemplate.thirds.end()) {
        groupOfSlot = published->groupOfSlot;
    } else {
        QVector<bool> used(qualifying.size(), false);
        if (!assignThirds(thirdSlots, 0, templateSlots, qualifying, used, groupOfSlot)) {
            *refusal = QCoreApplication::translate(
                           "KnockoutTemplate",
                           "The thirds of groups %1 cannot all be given a place the template allows them.")
                           .arg(letters(qualifyingGroups));
            return std::nullopt;
        }
    }

    QVector<KnockoutStage::Place> places;
    for (int slot = 0; slot < templateSlots.size(); ++slot) {
        const int position = templateSlots[slot].position;
        const int group = templateSlots[slot].isThird() ? groupOfSlot.value(slot) : templateSlots[slot].groups.value(0);
        if (position == 0) {
            places.append(std::nullopt);
        } else if (group >= groups.size() || position > groups[group].size()) {
            *refusal = QCoreApplication::translate(
                           "KnockoutTemplate", "The template names \"%1%2\", but group %2 has no team in that place.")
                           .arg(QString::number(position), letter(group));
            return std::nullopt;
        } else {
            places.append(groups[group][position - 1]);
        }
    }
    return places;
}
