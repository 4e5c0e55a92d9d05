#pragma once

#include "core/common/GameSlot.h"
#include "core/records/PointsAdjustment.h"
#include "core/records/RecordLines.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One group's teams and its fixtures and results: the stored record lines, kept as they are for the
// file, and parallel to them each line's game, read once as the line comes in (nothing for a line
// that cannot be read), and each game's time and pitch when the day is planned; and the teams'
// points adjustments. Every change goes through here, so the
// two lists never fall out of step and every rule about record lines has one home.
class GroupRecords
{
public:
    GroupRecords() = default;
    GroupRecords(const QStringList& teams, const QStringList& storedLines, const PointsAdjustments& adjustments = {});
    // The same, with the game of every stored line read already; they are read here when `games`
    // does not hold one for each line.
    GroupRecords(const QStringList& teams, const QStringList& storedLines, const QVector<std::optional<Record>>& games,
                 const PointsAdjustments& adjustments, const QVector<std::optional<GameSlot>>& gameSlots = {});

    const QStringList& teams() const { return m_teams; }
    const QStringList& storedLines() const { return m_stored; }
    // How the item at `position` reads in a message: its game with the team names filled in, or the
    // stored line of one that cannot be read. Made when asked for, never read back.
    QString displayLine(int position) const;
    QStringList displayLines() const;
    // The game of each stored line, in list order; nothing for a line that cannot be read.
    const QVector<std::optional<Record>>& games() const { return m_games; }
    // The result lines ("R:") that cannot be read: stored, but counting for nothing.
    int unreadableResultLines() const;
    // How many lines are stored as fixtures and as results, whether or not they can be read.
    struct LineCounts
    {
        int fixtures = 0;
        int results = 0;
    };
    LineCounts lineCounts() const;
    int size() const { return int(m_stored.size()); }
    // Each item's time and pitch, in list order; nothing for an item without one.
    const QVector<std::optional<GameSlot>>& gameSlots() const { return m_slots; }
    bool hasSlots() const;
    void setSlot(int position, const std::optional<GameSlot>& slot);
    // One for each item; a list of another size takes every slot away.
    void setGameSlots(const QVector<std::optional<GameSlot>>& gameSlots);
    const PointsAdjustments& adjustments() const { return m_adjustments; }
    void setAdjustments(const PointsAdjustments& adjustments) { m_adjustments = adjustments; }

    // Whether there is anything to report: a result that can be read, for a league table or a results
    // report; a fixture or result that can be read, for the fixture list, which lists both.
    bool hasResults() const;
    bool hasMatches() const;

    // True when the line at `position` is a fixture or result line ("F:" or "R:"), the only
    // lines that can be edited or given a new date.
    bool isRecordLine(int position) const;

    // A list holds at most kMaxListLines lines: positions are 16-bit.
    bool isFull() const;

    void setTeams(const QStringList& teams);
    void appendTeam(const QString& name);
    void renameTeam(int team, const QString& name);
    // A new list of lines, as a sort, a generation or an import leaves it: each game keeps its slot
    // when the new list still holds a game of the same two teams, home and away, taken in list order.
    void setStoredLines(const QStringList& lines);

    void remove(int position);
    // Puts `storedLine` at `position`: a new item at the end, or one put back where it was removed
    // with the slot it had.
    void insert(int position, const QString& storedLine, const std::optional<GameSlot>& slot = std::nullopt);

    // Puts `storedLine` in place of the line at `position`; the item keeps its slot.
    void replace(int position, const QString& storedLine);

    // The item's date as the calendar should open at it: its game's, else read from the stored line
    // (a line from elsewhere may have a one-digit day); invalid when neither holds one.
    QDate recordDate(int position) const;

    // Gives the item the new date and keeps every other field as stored. False when the line is no
    // record line. The cut is made at the first ":" after the date, so a one-digit day from
    // elsewhere keeps the fields that follow it.
    bool redate(int position, const QDate& date);

    // What the result editor shows of an item: whole-number scores (0 for a fixture) and team
    // numbers, with the names they stand for. A score that cannot be read or a number beyond 16 bits
    // can only come from a damaged or older file; it is shown as stored, a score so that the user can correct it,
    // a team number so that the line keeps naming the same team. Nothing for a line that is no
    // record line; nothing, with the reason in `error`, when the line has too few fields.
    struct ResultEdit
    {
        QString dateText; // as stored
        QString homeNumber;
        QString awayNumber;
        QString homeName;
        QString awayName;
        ScoreTexts scores { QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0") };
    };
    std::optional<ResultEdit> resultEdit(int position, QString* error = nullptr) const;

private:
    void readGames();

    QStringList m_teams;  // team-number order: record lines refer to teams by position
    QStringList m_stored; // as the file holds them
    QVector<std::optional<Record>> m_games;
    QVector<std::optional<GameSlot>> m_slots;
    PointsAdjustments m_adjustments;
};
