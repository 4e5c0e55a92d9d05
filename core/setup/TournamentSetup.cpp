#include "core/setup/TournamentSetup.h"

#include "core/records/RecordLines.h"

#include <QCoreApplication>

QStringList ruleEntries()
{
    return { QCoreApplication::translate("TournamentSetup", "1. Points Scored"),
             QCoreApplication::translate("TournamentSetup", "2. Goal Difference"),
             QCoreApplication::translate("TournamentSetup", "3. Goals Scored"),
             QCoreApplication::translate("TournamentSetup", "4. Games Won"),
             QCoreApplication::translate("TournamentSetup", "5. Games Between Teams"),
             QCoreApplication::translate("TournamentSetup", "6. Head-to-Head Table") };
}

QStringList defaultRuleOrder()
{
    const QStringList entries = ruleEntries();
    return { entries[0], entries[3], entries[1], entries[2], entries[4] };
}

QStringList defaultUnselectedRules()
{
    return { ruleEntries()[5] };
}

qint16 ruleCodeOf(const QString& ruleEntry)
{
    return static_cast<qint16>(ruleEntry.section(u'.', 0, 0).toShort());
}

QString tournamentTitle(const QString& name, const QString& location)
{
    return QStringLiteral("Tabulon - ") + name + QStringLiteral(" at ") + location;
}

TeamCountReading readTeamCount(QStringView text)
{
    TeamCountReading reading;
    // The test is on the number as typed, before rounding: 1.6 is refused although it rounds to 2.
    if (leadingNumericValue(text) < 2) {
        reading.status = TeamCountReading::Status::TooFew;
        return reading;
    }
    const std::optional<qint16> count = readNumberField(text);
    if (!count) {
        reading.status = TeamCountReading::Status::TooLarge;
        return reading;
    }
    reading.status = TeamCountReading::Status::Accepted;
    reading.count = *count;
    return reading;
}

QString teamCountTooLargeMessage(int group)
{
    return QCoreApplication::translate("TournamentSetup",
                                       "Too many teams in group %1: a group holds at most 32767 teams")
        .arg(group);
}

QString checkSettingsText(const QString& name, const QString& location, int groupCount, const QList<qint16>& teamCounts,
                          const QStringList& rules)
{
    const QString cr = QStringLiteral("\r");
    QString text = QCoreApplication::translate("TournamentSetup", "Tournament Setup") + cr + cr;
    text += QCoreApplication::translate("TournamentSetup", "Tournament Name = ") + name + cr;
    text += QCoreApplication::translate("TournamentSetup", "Location = ") + location + cr;
    text += QCoreApplication::translate("TournamentSetup", "Number of Groups = ") + QString::number(groupCount) + cr;
    for (int group = 1; group <= teamCounts.size(); ++group)
        text += QCoreApplication::translate("TournamentSetup", "Teams in Group %1 = %2")
                    .arg(group)
                    .arg(teamCounts[group - 1])
            + cr;
    text += QCoreApplication::translate("TournamentSetup", "RULES ORDER") + cr;
    for (const QString& rule : rules)
        text += rule + cr;
    text += cr + QCoreApplication::translate("TournamentSetup", "Are these settings correct");
    return text;
}
