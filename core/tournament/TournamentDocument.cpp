#include "core/tournament/TournamentDocument.h"

#include "core/records/LinesChange.h"
#include "core/tournament/FileGroupRecords.h"

#include <QCryptographicHash>
#include <QFile>
#include <QUndoStack>
#include <algorithm>
#include <tuple>

namespace {

// Empty when the file cannot be read.
QByteArray digestOfFile(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

// Far more than a session's work; each step holds only what its change touched.
constexpr int kHistorySteps = 1000;

// One change of the tournament: pushing it makes the change, as every later redo does.
class DocumentStep : public QUndoCommand
{
public:
    DocumentStep(const QString& name, std::function<void()> undo, std::function<void()> redo)
        : QUndoCommand(name)
        , m_undo(std::move(undo))
        , m_redo(std::move(redo))
    { }

    void undo() override { m_undo(); }
    void redo() override { m_redo(); }

private:
    std::function<void()> m_undo;
    std::function<void()> m_redo;
};

QString itemsChangeName(TournamentDocument::ItemsChange kind)
{
    switch (kind) {
    case TournamentDocument::ItemsChange::Sort:
        return TournamentDocument::tr("Sort");
    case TournamentDocument::ItemsChange::GenerateFixtures:
        return TournamentDocument::tr("Generate Fixtures");
    case TournamentDocument::ItemsChange::GenerateBalancedFixtures:
        return TournamentDocument::tr("Generate Balanced Fixtures");
    case TournamentDocument::ItemsChange::ImportResults:
        return TournamentDocument::tr("Import Results");
    }
    return QString();
}

} // namespace

TournamentDocument::TournamentDocument(QObject* parent)
    : QObject(parent)
    , m_history(new QUndoStack(this))
{
    m_history->setUndoLimit(kHistorySteps);
    connect(m_history, &QUndoStack::cleanChanged, this, &TournamentDocument::updateModified);
}

void TournamentDocument::reset(const TournamentData& data, const QString& fileName)
{
    m_title = data.title;
    m_settings = data;
    m_captions.clear();
    m_groups.clear();
    for (const TournamentGroupData& group : data.groups) {
        m_captions.append(group.caption);
        m_groups.append(recordsOfGroup(group));
    }
    m_knockout = data.knockout;
    m_timetable = data.timetable;
    const bool fileNameChanges = fileName != m_fileName;
    m_fileName = fileName;
    m_fileDigest.clear();
    m_unsavedOutsideHistory = false;
    m_history->clear();
    emit tournamentReset();
    emit contentChanged();
    if (fileNameChanges)
        emit fileNameChanged(m_fileName);
    updateModified();
}

void TournamentDocument::recover(const TournamentData& data, const QString& fileName)
{
    reset(data, fileName);
    m_unsavedOutsideHistory = true;
    updateModified();
}

void TournamentDocument::start(const QString& title, const TournamentSettings& settings)
{
    TournamentData data;
    data.title = title;
    static_cast<TournamentSettings&>(data) = settings;
    reset(data);
    m_unsavedOutsideHistory = true;
    updateModified();
}

void TournamentDocument::addGroup(const QString& caption)
{
    m_captions.append(caption);
    m_groups.append(GroupRecords());
    emit groupAdded(groupCount());
    emit contentChanged();
}

void TournamentDocument::addTeam(int group, const QString& name)
{
    m_groups[group - 1].appendTeam(name);
    emit itemsReset(group);
    changed(group);
}

void TournamentDocument::dropGroups()
{
    m_captions.clear();
    m_groups.clear();
    m_knockout.reset();
    m_timetable.reset();
    emit tournamentReset();
    emit contentChanged();
}

bool TournamentDocument::isFileChangedElsewhere() const
{
    if (m_fileName.isEmpty() || m_fileDigest.isEmpty())
        return false;
    const QByteArray now = digestOfFile(m_fileName);
    return !now.isEmpty() && now != m_fileDigest;
}

TournamentReadResult TournamentDocument::open(const QString& path)
{
    TournamentReadResult read = readTournamentFile(path);
    if (read.ok()) {
        reset(*read.data, path);
        m_fileDigest = digestOfFile(path);
    }
    return read;
}

bool TournamentDocument::save(const QString& path, QString* error, FileNameAfterSave fileNameAfterSave)
{
    if (!saveTournamentFile(data(), path, error))
        return false;
    if (fileNameAfterSave == FileNameAfterSave::Adopt && path != m_fileName) {
        m_fileName = path;
        emit fileNameChanged(m_fileName);
    }
    if (path == m_fileName)
        m_fileDigest = digestOfFile(path);
    m_unsavedOutsideHistory = false;
    m_history->setClean();
    updateModified();
    return true;
}

TournamentData TournamentDocument::data() const
{
    TournamentData data;
    static_cast<TournamentSettings&>(data) = m_settings;
    data.title = m_title;
    for (int g = 0; g < m_groups.size(); ++g) {
        const GroupRecords& records = m_groups[g];
        data.groups.append({ m_captions[g], records.teams(), records.storedLines(), records.adjustments(),
                             records.games(), m_timetable ? records.gameSlots() : QVector<std::optional<GameSlot>>() });
    }
    data.knockout = m_knockout;
    data.timetable = m_timetable;
    return data;
}

void TournamentDocument::record(const QString& name, int group, std::function<int()> undo, std::function<int()> redo)
{
    // The push makes the change through the step's redo; only an undo or redo the user asks for
    // later is a replay that views show by selecting its line.
    const auto replay = [this, group](const std::function<int()>& change) {
        const int position = change();
        changed(group);
        if (group > 0 && !m_pushing)
            emit stepReplayed(group, position);
    };
    m_pushing = true;
    m_history->push(new DocumentStep(
        name, [replay, undo = std::move(undo)] { replay(undo); }, [replay, redo = std::move(redo)] { replay(redo); }));
    m_pushing = false;
}

void TournamentDocument::insertLine(int group, int position, const QString& storedLine,
                                    const std::optional<GameSlot>& slot)
{
    m_groups[group - 1].insert(position, storedLine, slot);
    emit itemsInserted(group, position, 1);
}

void TournamentDocument::removeLine(int group, int position)
{
    m_groups[group - 1].remove(position);
    emit itemsRemoved(group, position, 1);
}

void TournamentDocument::replaceLine(int group, int position, const QString& storedLine)
{
    m_groups[group - 1].replace(position, storedLine);
    emit itemChanged(group, position);
}

void TournamentDocument::addFixture(int group, const QString& dateText, int home, int away)
{
    recordInserted(tr("Add Fixture"), group, fixtureStoredLine(dateText, home, away));
}

void TournamentDocument::addResult(int group, const QString& dateText, const ScoreTexts& scores, int home, int away)
{
    recordInserted(tr("Add Result"), group, resultStoredLine(dateText, scores, home, away));
}

void TournamentDocument::recordInserted(const QString& name, int group, const QString& storedLine)
{
    const int position = m_groups[group - 1].size();
    record(
        name, group,
        [this, group, position] {
            removeLine(group, position);
            return -1;
        },
        [this, group, position, storedLine] {
            insertLine(group, position, storedLine);
            return position;
        });
}

void TournamentDocument::removeItem(int group, int position)
{
    const QString line = m_groups[group - 1].storedLines().at(position);
    const std::optional<GameSlot> slot = m_groups[group - 1].gameSlots().at(position);
    record(
        tr("Delete"), group,
        [this, group, position, line, slot] {
            insertLine(group, position, line, slot);
            return position;
        },
        [this, group, position] {
            removeLine(group, position);
            return -1;
        });
}

void TournamentDocument::replaceItem(int group, int position, const QString& storedLine)
{
    recordReplaced(tr("Edit Result"), group, position, storedLine);
}

void TournamentDocument::recordReplaced(const QString& name, int group, int position, const QString& after)
{
    const QString before = m_groups[group - 1].storedLines().at(position);
    record(
        name, group,
        [this, group, position, before] {
            replaceLine(group, position, before);
            return position;
        },
        [this, group, position, after] {
            replaceLine(group, position, after);
            return position;
        });
}

bool TournamentDocument::redateItem(int group, int position, const QDate& date)
{
    GroupRecords redated = m_groups[group - 1];
    if (!redated.redate(position, date))
        return false;
    // The same date again still counts as a change, as every other confirmed edit does. A planned
    // game keeps its kick-off and pitch on its new day.
    const QString before = m_groups[group - 1].storedLines().at(position);
    const QString after = redated.storedLines().at(position);
    const std::optional<GameSlot> slotBefore = m_groups[group - 1].gameSlots().at(position);
    std::optional<GameSlot> slotAfter = slotBefore;
    if (slotAfter)
        slotAfter->date = date;
    const auto apply = [this, group, position](const QString& line, const std::optional<GameSlot>& slot) {
        m_groups[group - 1].setSlot(position, slot);
        replaceLine(group, position, line);
        return position;
    };
    record(
        tr("Edit Date"), group, [apply, before, slotBefore] { return apply(before, slotBefore); },
        [apply, after, slotAfter] { return apply(after, slotAfter); });
    return true;
}

void TournamentDocument::renameTeam(int group, int team, const QString& name)
{
    const QString before = m_groups[group - 1].teams().at(team);
    record(
        tr("Rename Team"), group,
        [this, group, team, before] {
            renameEverywhere(group, team, before);
            return -1;
        },
        [this, group, team, name] {
            renameEverywhere(group, team, name);
            return -1;
        });
}

// The bracket shows group teams by name, so a new name reaches it too.
void TournamentDocument::renameEverywhere(int group, int team, const QString& name)
{
    m_groups[group - 1].renameTeam(team, name);
    emit itemsReset(group);
    if (m_knockout) {
        m_knockout->renameTeam(group, team, name);
        emit knockoutChanged();
    }
}

void TournamentDocument::setItems(int group, const QStringList& storedLines, ItemsChange kind)
{
    const LinesChange change(m_groups[group - 1].storedLines(), storedLines);
    const auto setLines = [this, group](const QStringList& lines) {
        m_groups[group - 1].setStoredLines(lines);
        emit itemsReset(group);
        return -1;
    };
    record(
        itemsChangeName(kind), group,
        [this, group, change, setLines] { return setLines(change.revert(m_groups[group - 1].storedLines())); },
        [this, group, change, setLines] { return setLines(change.apply(m_groups[group - 1].storedLines())); });
}

void TournamentDocument::setAdjustments(int group, const PointsAdjustments& adjustments)
{
    const PointsAdjustments before = m_groups[group - 1].adjustments();
    record(
        tr("Points Adjustments"), group,
        [this, group, before] {
            m_groups[group - 1].setAdjustments(before);
            return -1;
        },
        [this, group, adjustments] {
            m_groups[group - 1].setAdjustments(adjustments);
            return -1;
        });
}

void TournamentDocument::setKnockoutStage(const std::optional<KnockoutStage>& stage)
{
    recordKnockout(stage ? tr("Set Up Knockout Stage") : tr("Remove Knockout Stage"), stage);
}

bool TournamentDocument::setTieResult(const QString& code, const std::optional<TieResult>& result,
                                      LaterResults laterResults, QString* refusal)
{
    if (!m_knockout) {
        if (refusal)
            *refusal = tr("The tournament has no knockout stage.");
        return false;
    }
    KnockoutStage changed = *m_knockout;
    if (laterResults == LaterResults::Clear)
        changed.clearResults(changed.laterResultsChangedBy(code, result));
    if (result) {
        if (!changed.setResult(code, *result, refusal))
            return false;
    } else {
        const QStringList later = changed.laterResultsChangedBy(code, result);
        if (!later.isEmpty()) {
            if (refusal)
                *refusal = laterResultsNotice(later);
            return false;
        }
        changed.clearResults({ code });
    }
    recordKnockout(result ? tr("Enter Knockout Result") : tr("Clear Knockout Result"), changed);
    return true;
}

// The stage is small (at most 64 teams and 64 results), so each step keeps it whole.
void TournamentDocument::recordKnockout(const QString& name, const std::optional<KnockoutStage>& after)
{
    const std::optional<KnockoutStage> before = m_knockout;
    record(
        name, kKnockoutStage,
        [this, before] {
            m_knockout = before;
            return -1;
        },
        [this, after] {
            m_knockout = after;
            return -1;
        });
}

void TournamentDocument::setTimetable(const std::optional<Timetable>& timetable, const GroupSlots& groupSlots,
                                      const QString& name)
{
    recordTimetable(name, timetable, groupSlots);
}

// The stored lines of `records` with each planned game dated on its slot's day.
QStringList TournamentDocument::linesOnSlotDays(const GroupRecords& records,
                                                const QVector<std::optional<GameSlot>>& planned)
{
    GroupRecords redated = records;
    for (int k = 0; k < planned.size() && k < redated.size(); ++k) {
        const std::optional<Record>& game = redated.games().at(k);
        if (planned[k] && game && game->date != planned[k]->date)
            redated.redate(k, planned[k]->date);
    }
    return redated.storedLines();
}

// A plan touches every game, so its step keeps the slots whole, as a knockout step keeps its stage.
// A planned game is played on the day the plan gives it, so its record line takes that date.
void TournamentDocument::recordTimetable(const QString& name, const std::optional<Timetable>& after,
                                         const GroupSlots& afterSlots)
{
    struct GroupState
    {
        QStringList lines;
        QVector<std::optional<GameSlot>> gameSlots;
    };
    const auto apply = [this](const std::optional<Timetable>& timetable, const QVector<GroupState>& groups) {
        m_timetable = timetable;
        for (int g = 0; g < m_groups.size(); ++g) {
            if (groups[g].lines != m_groups[g].storedLines())
                m_groups[g].setStoredLines(groups[g].lines);
            m_groups[g].setGameSlots(timetable ? groups[g].gameSlots : QVector<std::optional<GameSlot>>());
            emit itemsReset(g + 1);
        }
        return -1;
    };
    QVector<GroupState> before;
    QVector<GroupState> planned;
    for (int g = 0; g < m_groups.size(); ++g) {
        const GroupRecords& records = m_groups[g];
        before.append({ records.storedLines(), records.gameSlots() });
        const QVector<std::optional<GameSlot>> groupSlots
            = after ? afterSlots.value(g) : QVector<std::optional<GameSlot>>();
        planned.append({ linesOnSlotDays(records, groupSlots), groupSlots });
    }
    const std::optional<Timetable> timetableBefore = m_timetable;
    record(
        name, kTimetable, [apply, timetableBefore, before] { return apply(timetableBefore, before); },
        [apply, after, planned] { return apply(after, planned); });
}

bool TournamentDocument::setGameSlot(int group, int position, const std::optional<GameSlot>& slot)
{
    if (!m_timetable)
        return false;
    const GroupRecords& records = m_groups[group - 1];
    const std::optional<GameSlot> slotBefore = records.gameSlots().at(position);
    const QString before = records.storedLines().at(position);
    QVector<std::optional<GameSlot>> moved = records.gameSlots();
    moved[position] = slot;
    const QString after = linesOnSlotDays(records, moved).at(position);
    const auto apply = [this, group, position](const QString& line, const std::optional<GameSlot>& to) {
        m_groups[group - 1].setSlot(position, to);
        replaceLine(group, position, line);
        emit timetableChanged();
        return position;
    };
    record(
        tr("Move Game"), group, [apply, before, slotBefore] { return apply(before, slotBefore); },
        [apply, after, slot] { return apply(after, slot); });
    return true;
}

bool TournamentDocument::setKnockoutSlot(const KnockoutSlot& game)
{
    if (!m_timetable)
        return false;
    Timetable after = *m_timetable;
    const auto same = [&game](const KnockoutSlot& other) { return other.tie == game.tie && other.leg == game.leg; };
    after.knockout.erase(std::remove_if(after.knockout.begin(), after.knockout.end(), same), after.knockout.end());
    after.knockout.append(game);
    std::stable_sort(after.knockout.begin(), after.knockout.end(), [](const KnockoutSlot& a, const KnockoutSlot& b) {
        return std::tie(a.slot.date, a.slot.start, a.slot.pitch) < std::tie(b.slot.date, b.slot.start, b.slot.pitch);
    });
    const std::optional<Timetable> before = m_timetable;
    record(
        tr("Move Game"), kTimetable,
        [this, before] {
            m_timetable = before;
            return -1;
        },
        [this, after] {
            m_timetable = after;
            return -1;
        });
    return true;
}

void TournamentDocument::changed(int group)
{
    if (group == kKnockoutStage)
        emit knockoutChanged();
    else if (group == kTimetable)
        emit timetableChanged();
    else
        emit groupChanged(group);
    emit contentChanged();
}

void TournamentDocument::updateModified()
{
    const bool modified = m_unsavedOutsideHistory || !m_history->isClean();
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
}
