#pragma once

#include <QList>
#include <QString>

// The league query: the league rows of the group, one per team, ordered by the tournament's rules.
// Its fixed part is 158 characters and ends in two blanks; the order clauses follow directly.
inline const QString kLeagueQueryFixedText = QStringLiteral(
    "SELECT [Competitors Name], [Won], [Lost], [Drawn], [For], [Against], [Diff], [Pts] FROM [Teams], [League] "
    "WHERE [Teams].[TeamNumber] = [League].[TeamNumber]  ");

// What report mode answers when the head-to-head rule is in use: TempTable holds the final order.
inline const QString kTempTableQuery = QStringLiteral("SELECT * FROM TempTable");

struct LeagueQuery
{
    QString text;                 // the league query as the tournament's rules build it
    QString orderedText;          // the same query with team-number order appended as the last tie-break,
                                  // selecting the team number first
    bool headToHead = false;      // rule 5 ("Games Between Teams") is in the rule order
    bool headToHeadTable = false; // rule 6 ("Head-to-Head Table") is in the rule order
    QList<int> rulesBeforeTable;  // the rule codes before rule 6
};

// A league query with team-number order appended as its last order clause.
QString withTeamNumberOrder(const QString& leagueQuery);

// Builds the league query from the rule codes, most significant first: 1 points, 2 goal difference,
// 3 goals scored, 4 games won, each "DESC"; 5 adds no clause and switches the head-to-head pass on;
// 6 adds no clause and switches the head-to-head table on; other codes add nothing.
LeagueQuery buildLeagueQuery(const QList<int>& ruleOrder);
