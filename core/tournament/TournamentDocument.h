#pragma once

#include "core/records/GroupRecords.h"
#include "core/tournament/TournamentFile.h"

#include <QObject>
#include <QString>
#include <QVector>

// The open tournament: everything a .trn file holds (title, settings, each group's caption, teams,
// record lines and adjustments), the file it belongs to, and whether it has changed since it was
// last opened or saved. Every change goes through one of the methods below, each a single complete
// change that leaves the document consistent, so that a history of changes can be kept on them and
// every view learns of a change from the signals alone. Groups are numbered from 1, as in the file.
class TournamentDocument : public QObject
{
    Q_OBJECT

public:
    explicit TournamentDocument(QObject* parent = nullptr);

    // Replaces the whole tournament: one just read, or none (an empty `data`). It counts as saved.
    void reset(const TournamentData& data, const QString& fileName = QString());
    // A new tournament, defined but not yet saved anywhere: its groups follow one by one, each
    // with its teams, as they are entered.
    void start(const QString& title, const TournamentSettings& settings);
    void addGroup(const QString& caption);
    void addTeam(int group, const QString& name);
    // Team entry was given up: the groups entered so far go, the title and settings stay. Such a
    // tournament has nothing to save and waits to be closed.
    void dropGroups();
    // Reads `path` with File > Open's checks. When the file is refused the document is unchanged.
    TournamentReadResult open(const QString& path);
    // Writes the tournament to `path` as a whole; on success it counts as saved, and `path` becomes
    // its file unless it is told to keep the one it has.
    enum class FileNameAfterSave { Adopt, Keep };
    bool save(const QString& path, QString* error = nullptr,
              FileNameAfterSave fileNameAfterSave = FileNameAfterSave::Adopt);

    bool isOpen() const { return m_settings.GroupCount > 0; }
    // Open and holding its groups: what Save and Publish need.
    bool hasGroups() const { return isOpen() && !m_groups.isEmpty(); }
    bool isModified() const { return m_modified; }
    QString fileName() const { return m_fileName; }
    QString title() const { return m_title; }
    const TournamentSettings& settings() const { return m_settings; }
    int groupCount() const { return int(m_groups.size()); }
    QString groupCaption(int group) const { return m_captions.at(group - 1); }
    const GroupRecords& group(int group) const { return m_groups.at(group - 1); }
    // The tournament as the file writer, the exporters, the web site and the calendar take it.
    TournamentData data() const;

    void addFixture(int group, const QString& dateText, int home, int away);
    void addResult(int group, const QString& dateText, const ScoreTexts& scores, int home, int away);
    void removeItem(int group, int position);
    // Puts a whole stored line in place of the item at `position`: an edited result.
    void replaceItem(int group, int position, const QString& storedLine);
    // False, changing nothing, when the item is no fixture or result line.
    bool redateItem(int group, int position, const QDate& date);
    void renameTeam(int group, int team, const QString& name);
    // A group's whole list of lines at once: what a sort, a generation or an import leaves.
    void setItems(int group, const QStringList& storedLines);
    void setAdjustments(int group, const PointsAdjustments& adjustments);

signals:
    // The whole tournament was replaced (reset, opened, started or its groups dropped).
    void tournamentReset();
    void groupAdded(int group);
    void groupChanged(int group);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);

private:
    // After every change: the group's views are told, and the tournament is unsaved.
    void changed(int group);
    void setModified(bool modified);

    QString m_title;
    TournamentSettings m_settings;
    QStringList m_captions;
    QVector<GroupRecords> m_groups;
    QString m_fileName;
    bool m_modified = false;
};
