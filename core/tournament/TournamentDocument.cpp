#include "core/tournament/TournamentDocument.h"

#include "core/records/LinesChange.h"
#include "core/tournament/FileGroupRecords.h"

#include <QCryptographicHash>
#include <QFile>
#include <QUndoStack>

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

// One change of the tournament. It was made before it was pushed, so the push's redo does nothing.
class DocumentStep : public QUndoCommand
{
public:
    DocumentStep(const QString& name, std::function<void()> undo, std::function<void()> redo)
        : QUndoCommand(name)
        , m_undo(std::move(undo))
        , m_redo(std::move(redo))
    { }

    void undo() override { m_undo(); }
    void redo() override
    {
        if (m_pushed)
            m_redo();
        m_pushed = true;
    }

private:
    std::function<void()> m_undo;
    std::function<void()> m_redo;
    bool m_pushed = false;
};

QString itemsChangeName(TournamentDocument::ItemsChange kind)
{
    switch (kind) {
    case TournamentDocument::ItemsChange::Sort:
        return QStringLiteral("Sort");
    case TournamentDocument::ItemsChange::GenerateFixtures:
        return QStringLiteral("Generate Fixtures");
    case TournamentDocument::ItemsChange::GenerateBalancedFixtures:
        return QStringLiteral("Generate Balanced Fixtures");
    case TournamentDocument::ItemsChange::ImportResults:
        return QStringLiteral("Import Results");
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
    const bool fileNameChanges = fileName != m_fileName;
    m_fileName = fileName;
    m_fileDigest.clear();
    m_unsavedOutsideHistory = false;
    m_history->clear();
    emit tournamentReset();
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
}

void TournamentDocument::addTeam(int group, const QString& name)
{
    m_groups[group - 1].appendTeam(name);
    changed(group);
}

void TournamentDocument::dropGroups()
{
    m_captions.clear();
    m_groups.clear();
    m_knockout.reset();
    emit tournamentReset();
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
        data.groups.append({ m_captions[g], records.teams(), records.storedLines(), records.adjustments() });
    }
    data.knockout = m_knockout;
    return data;
}

void TournamentDocument::record(const QString& name, int group, std::function<int()> undo, std::function<int()> redo)
{
    changed(group);
    const auto replay = [this, group](const std::function<int()>& change) {
        const int position = change();
        changed(group);
        if (group != kKnockoutStage)
            emit stepReplayed(group, position);
    };
    m_history->push(new DocumentStep(
        name, [replay, undo = std::move(undo)] { replay(undo); }, [replay, redo = std::move(redo)] { replay(redo); }));
}

void TournamentDocument::addFixture(int group, const QString& dateText, int home, int away)
{
    m_groups[group - 1].appendFixture(dateText, home, away);
    recordAppended(QStringLiteral("Add Fixture"), group);
}

void TournamentDocument::addResult(int group, const QString& dateText, const ScoreTexts& scores, int home, int away)
{
    m_groups[group - 1].appendResult(dateText, scores, home, away);
    recordAppended(QStringLiteral("Add Result"), group);
}

void TournamentDocument::recordAppended(const QString& name, int group)
{
    const int position = m_groups[group - 1].size() - 1;
    const QString line = m_groups[group - 1].storedLines().last();
    record(
        name, group,
        [this, group, position] {
            m_groups[group - 1].remove(position);
            return -1;
        },
        [this, group, position, line] {
            m_groups[group - 1].insert(position, line);
            return position;
        });
}

void TournamentDocument::removeItem(int group, int position)
{
    GroupRecords& records = m_groups[group - 1];
    const QString line = records.storedLines().at(position);
    records.remove(position);
    record(
        QStringLiteral("Delete"), group,
        [this, group, position, line] {
            m_groups[group - 1].insert(position, line);
            return position;
        },
        [this, group, position] {
            m_groups[group - 1].remove(position);
            return -1;
        });
}

void TournamentDocument::replaceItem(int group, int position, const QString& storedLine)
{
    GroupRecords& records = m_groups[group - 1];
    const QString before = records.storedLines().at(position);
    records.replace(position, storedLine);
    recordReplaced(QStringLiteral("Edit Result"), group, position, before);
}

void TournamentDocument::recordReplaced(const QString& name, int group, int position, const QString& before)
{
    const QString after = m_groups[group - 1].storedLines().at(position);
    record(
        name, group,
        [this, group, position, before] {
            m_groups[group - 1].replace(position, before);
            return position;
        },
        [this, group, position, after] {
            m_groups[group - 1].replace(position, after);
            return position;
        });
}

bool TournamentDocument::redateItem(int group, int position, const QDate& date)
{
    GroupRecords& records = m_groups[group - 1];
    const QString before = records.storedLines().value(position);
    if (!records.redate(position, date))
        return false;
    // The same date again still counts as a change, as every other confirmed edit does.
    recordReplaced(QStringLiteral("Edit Date"), group, position, before);
    return true;
}

void TournamentDocument::renameTeam(int group, int team, const QString& name)
{
    GroupRecords& records = m_groups[group - 1];
    const QString before = records.teams().at(team);
    renameEverywhere(group, team, name);
    record(
        QStringLiteral("Rename Team"), group,
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
    if (m_knockout) {
        m_knockout->renameTeam(group, team, name);
        emit knockoutChanged();
    }
}

void TournamentDocument::setItems(int group, const QStringList& storedLines, ItemsChange kind)
{
    GroupRecords& records = m_groups[group - 1];
    const LinesChange change(records.storedLines(), storedLines);
    records.setStoredLines(storedLines);
    record(
        itemsChangeName(kind), group,
        [this, group, change] {
            m_groups[group - 1].setStoredLines(change.revert(m_groups[group - 1].storedLines()));
            return -1;
        },
        [this, group, change] {
            m_groups[group - 1].setStoredLines(change.apply(m_groups[group - 1].storedLines()));
            return -1;
        });
}

void TournamentDocument::setAdjustments(int group, const PointsAdjustments& adjustments)
{
    GroupRecords& records = m_groups[group - 1];
    const PointsAdjustments before = records.adjustments();
    records.setAdjustments(adjustments);
    record(
        QStringLiteral("Points Adjustments"), group,
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
    const std::optional<KnockoutStage> before = m_knockout;
    m_knockout = stage;
    recordKnockout(stage ? QStringLiteral("Set Up Knockout Stage") : QStringLiteral("Remove Knockout Stage"), before);
}

bool TournamentDocument::setTieResult(const QString& code, const std::optional<TieResult>& result,
                                      LaterResults laterResults, QString* refusal)
{
    if (!m_knockout) {
        if (refusal)
            *refusal = QStringLiteral("The tournament has no knockout stage.");
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
    const std::optional<KnockoutStage> before = m_knockout;
    m_knockout = changed;
    recordKnockout(result ? QStringLiteral("Enter Knockout Result") : QStringLiteral("Clear Knockout Result"), before);
    return true;
}

// The stage is small (at most 64 teams and 64 results), so each step keeps it whole.
void TournamentDocument::recordKnockout(const QString& name, const std::optional<KnockoutStage>& before)
{
    const std::optional<KnockoutStage> after = m_knockout;
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

void TournamentDocument::changed(int group)
{
    if (group == kKnockoutStage)
        emit knockoutChanged();
    else
        emit groupChanged(group);
}

void TournamentDocument::updateModified()
{
    const bool modified = m_unsavedOutsideHistory || !m_history->isClean();
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
}
