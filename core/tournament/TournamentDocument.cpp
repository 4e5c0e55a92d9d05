#include "core/tournament/TournamentDocument.h"

#include "core/tournament/FileGroupRecords.h"

TournamentDocument::TournamentDocument(QObject* parent)
    : QObject(parent)
{ }

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
    const bool fileNameChanges = fileName != m_fileName;
    m_fileName = fileName;
    emit tournamentReset();
    if (fileNameChanges)
        emit fileNameChanged(m_fileName);
    setModified(false);
}

void TournamentDocument::start(const QString& title, const TournamentSettings& settings)
{
    TournamentData data;
    data.title = title;
    static_cast<TournamentSettings&>(data) = settings;
    reset(data);
    setModified(true);
}

void TournamentDocument::addGroup(const QString& caption)
{
    m_captions.append(caption);
    m_groups.append(GroupRecords());
    emit groupAdded(groupCount());
    setModified(true);
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
    emit tournamentReset();
}

TournamentReadResult TournamentDocument::open(const QString& path)
{
    TournamentReadResult read = readTournamentFile(path);
    if (read.ok())
        reset(*read.data, path);
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
    setModified(false);
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
    return data;
}

void TournamentDocument::addFixture(int group, const QString& dateText, int home, int away)
{
    m_groups[group - 1].appendFixture(dateText, home, away);
    changed(group);
}

void TournamentDocument::addResult(int group, const QString& dateText, const ScoreTexts& scores, int home, int away)
{
    m_groups[group - 1].appendResult(dateText, scores, home, away);
    changed(group);
}

void TournamentDocument::removeItem(int group, int position)
{
    m_groups[group - 1].remove(position);
    changed(group);
}

void TournamentDocument::replaceItem(int group, int position, const QString& storedLine)
{
    m_groups[group - 1].replace(position, storedLine);
    changed(group);
}

bool TournamentDocument::redateItem(int group, int position, const QDate& date)
{
    if (!m_groups[group - 1].redate(position, date))
        return false;
    // The same date again still counts as a change, as every other confirmed edit does.
    changed(group);
    return true;
}

void TournamentDocument::renameTeam(int group, int team, const QString& name)
{
    m_groups[group - 1].renameTeam(team, name);
    changed(group);
}

void TournamentDocument::setItems(int group, const QStringList& storedLines)
{
    m_groups[group - 1].setStoredLines(storedLines);
    changed(group);
}

void TournamentDocument::setAdjustments(int group, const PointsAdjustments& adjustments)
{
    m_groups[group - 1].setAdjustments(adjustments);
    changed(group);
}

void TournamentDocument::changed(int group)
{
    emit groupChanged(group);
    setModified(true);
}

void TournamentDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
}
