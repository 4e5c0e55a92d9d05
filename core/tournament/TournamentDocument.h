#pragma once

#include "core/records/GroupRecords.h"
#include "core/tournament/TournamentFile.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>

class QUndoStack;

// The open tournament: everything a .trn file holds (title, settings, each group's caption, teams,
// record lines and adjustments), the file it belongs to, and whether it has changed since it was
// last opened or saved. Every change goes through one of the methods below, each a single complete
// change that leaves the document consistent and becomes one step of its history, which undoes and
// redoes it. Every view learns of a change from the signals alone. Groups are numbered from 1, as
// in the file.
class TournamentDocument : public QObject
{
    Q_OBJECT

public:
    explicit TournamentDocument(QObject* parent = nullptr);

    // Replaces the whole tournament: one just read, or none (an empty `data`). It counts as saved,
    // and its history starts empty.
    void reset(const TournamentData& data, const QString& fileName = QString());
    // The tournament a program that died left unsaved, taken back: as reset(), but not saved.
    void recover(const TournamentData& data, const QString& fileName);
    // A new tournament, defined but not yet saved anywhere: its groups follow one by one, each
    // with its teams, as they are entered. Entering them is part of making the tournament, not a
    // step of its history.
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
    // Unsaved: changed since it was opened or last saved, or never saved at all. Undoing and redoing
    // back to the state last saved makes it saved again.
    bool isModified() const { return m_modified; }
    // The tournament's file was written by another program since this document opened or last
    // saved it: a save would throw that away. False for a file gone or one never read here.
    bool isFileChangedElsewhere() const;
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
    enum class ItemsChange { Sort, GenerateFixtures, GenerateBalancedFixtures, ImportResults };
    void setItems(int group, const QStringList& storedLines, ItemsChange kind);
    void setAdjustments(int group, const PointsAdjustments& adjustments);

    // The knockout stage after the groups, when one is set up.
    const std::optional<KnockoutStage>& knockout() const { return m_knockout; }
    // Sets up a knockout stage in place of any other, or removes it (an empty `stage`).
    void setKnockoutStage(const std::optional<KnockoutStage>& stage);
    // Enters the result of a tie, or clears it (an empty `result`). When that changes who plays a
    // later tie that has a result, the later results are cleared with it if asked, and otherwise the
    // change is refused; refused, with the reason in `refusal` and nothing changed, as
    // KnockoutStage::setResult() refuses.
    enum class LaterResults { Keep, Clear };
    bool setTieResult(const QString& code, const std::optional<TieResult>& result, LaterResults laterResults,
                      QString* refusal = nullptr);

    // The day's plan: pitches, hours and the knockout games' slots; each group game keeps its own
    // slot beside its line (see GroupRecords::gameSlots()). Nothing when the day is not planned.
    const std::optional<Timetable>& timetable() const { return m_timetable; }
    // A new plan in place of the old, or none: the timetable and every group game's slot, one list
    // for each group, as one step named `name` ("Plan the Day"). A planned game takes its slot's day
    // as its date, here and when it is moved; a game given a new date keeps its kick-off and pitch.
    using GroupSlots = QVector<QVector<std::optional<GameSlot>>>;
    void setTimetable(const std::optional<Timetable>& timetable, const GroupSlots& groupSlots, const QString& name);
    // One game moved by hand, or its slot typed; the rules are the caller's to check. False,
    // changing nothing, when the tournament has no timetable.
    bool setGameSlot(int group, int position, const std::optional<GameSlot>& slot);
    bool setKnockoutSlot(const KnockoutSlot& game);

    // The history of the changes above, one step each, named for the Edit menu ("Add Result").
    QUndoStack* history() const { return m_history; }

signals:
    // The whole tournament was replaced (reset, opened, started or its groups dropped).
    void tournamentReset();
    void groupAdded(int group);
    // After every change of a group: its lines, its teams or its adjustments.
    void groupChanged(int group);
    // Which of a group's items changed, for views that show them one by one; emitted before
    // groupChanged. itemsReset: the whole list may differ (a sort, a generation, an import, a team's
    // new name).
    void itemsInserted(int group, int first, int count);
    void itemChanged(int group, int position);
    void itemsRemoved(int group, int first, int count);
    void itemsReset(int group);
    // The knockout stage was set up, removed, or one of its results or team names changed.
    void knockoutChanged();
    // The timetable or a game's slot changed.
    void timetableChanged();
    void modifiedChanged(bool modified);
    // Anything the file holds changed, whatever it was: what a copy of the whole tournament follows.
    void contentChanged();
    void fileNameChanged(const QString& fileName);
    // A step was undone or redone in `group`; `position` is the line it changed, -1 when there is
    // none left to show.
    void stepReplayed(int group, int position);

private:
    // Makes a change as one step of the history: `redo` makes it (at once, and again after an undo)
    // and `undo` takes it back, each returning the line to show. `group` is kKnockoutStage for the
    // knockout stage.
    void record(const QString& name, int group, std::function<int()> undo, std::function<int()> redo);
    // A new item at the end of `group`.
    void recordInserted(const QString& name, int group, const QString& storedLine);
    // `after` in place of the line at `position` of `group`.
    void recordReplaced(const QString& name, int group, int position, const QString& after);
    // The three ways one line changes, each telling the views which.
    void insertLine(int group, int position, const QString& storedLine,
                    const std::optional<GameSlot>& slot = std::nullopt);
    void removeLine(int group, int position);
    void replaceLine(int group, int position, const QString& storedLine);
    // After every change: the group's views, or the knockout stage's, are told.
    void changed(int group);
    static constexpr int kKnockoutStage = 0;
    static constexpr int kTimetable = -1;
    void recordTimetable(const QString& name, const std::optional<Timetable>& after, const GroupSlots& afterSlots);
    static QStringList linesOnSlotDays(const GroupRecords& records, const QVector<std::optional<GameSlot>>& gameSlots);
    void recordKnockout(const QString& name, const std::optional<KnockoutStage>& after);
    void renameEverywhere(int group, int team, const QString& name);
    void updateModified();

    QUndoStack* m_history = nullptr;
    bool m_pushing = false; // a step is being made, not replayed
    // Unsaved whatever the history says: a new tournament or a recovered one, until it is saved.
    bool m_unsavedOutsideHistory = false;
    QString m_title;
    TournamentSettings m_settings;
    QStringList m_captions;
    QVector<GroupRecords> m_groups;
    std::optional<KnockoutStage> m_knockout;
    std::optional<Timetable> m_timetable;
    QString m_fileName;
    // The bytes of m_fileName as this document last read or wrote them; empty when not known.
    QByteArray m_fileDigest;
    bool m_modified = false;
};
