#include "KnockoutStage.h"

#include "core/knockout/BracketSeeding.h"
#include "core/records/RecordLines.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

bool refuse(QString* refusal, const QString& text)
{
    if (refusal)
        *refusal = text;
    return false;
}

int placeOf(int number, TieSide side)
{
    return 2 * (number - 1) + (side == TieSide::First ? 0 : 1);
}

QString entrantsRefusal()
{
    return QCoreApplication::translate("KnockoutStage", "A knockout stage has %1 to %2 entrants.")
        .arg(kMinimumEntrants)
        .arg(kMaximumEntrants);
}

} // namespace

QString laterResultsNotice(const QStringList& codes)
{
    QStringList names;
    for (const QString& code : codes) {
        const TieId tie = *readTieCode(code);
        // "who plays in the Final", as one says it; a numbered tie goes without the article.
        const bool named = tie.thirdPlace || tie.roundSize == 2;
        names.append(named ? QStringLiteral("the ")
                             + tieName(tie).replace(QStringLiteral("Third"), QStringLiteral("third"))
                           : tieName(tie));
    }
    const QString last = names.takeLast();
    const QString listed = names.isEmpty()
        ? last
        : names.join(QStringLiteral(", ")) + QCoreApplication::translate("KnockoutStage", " and ") + last;
    return QCoreApplication::translate("KnockoutStage",
                                       "Changing this result changes who plays in %1, which already %2.")
        .arg(listed,
             names.isEmpty() ? QCoreApplication::translate("KnockoutStage", "has a result")
                             : QCoreApplication::translate("KnockoutStage", "have results"));
}

bool operator==(const KnockoutTeam& a, const KnockoutTeam& b)
{
    return a.group == b.group && a.number == b.number && a.name == b.name;
}

bool isSameTeam(const KnockoutTeam& a, const KnockoutTeam& b)
{
    return a.group == b.group && (a.group > 0 ? a.number == b.number : a.name == b.name);
}

KnockoutStage::KnockoutStage(const QVector<Place>& places)
    : m_places(places)
{ }

std::optional<KnockoutStage> KnockoutStage::fromPlaces(const QVector<Place>& places, QString* refusal)
{
    const int entrants = int(std::count_if(places.begin(), places.end(), [](const Place& p) { return p.has_value(); }));
    if (entrants < kMinimumEntrants || bracketSize(places.size()) != places.size()) {
        refuse(refusal, entrantsRefusal());
        return std::nullopt;
    }
    for (int number = 1; number <= places.size() / 2; ++number) {
        if (!places[placeOf(number, TieSide::First)] && !places[placeOf(number, TieSide::Second)]) {
            refuse(refusal,
                   QCoreApplication::translate("KnockoutStage", "%1 has no team.")
                       .arg(tieName({ int(places.size()), number })));
            return std::nullopt;
        }
    }
    // A team in two places could meet itself and win twice.
    for (int p = 0; p < places.size(); ++p) {
        for (int earlier = 0; earlier < p && places[p]; ++earlier) {
            if (places[earlier] && isSameTeam(*places[earlier], *places[p])) {
                refuse(refusal,
                       QCoreApplication::translate("KnockoutStage", "%1 has two places in the bracket, in %2 and %3.")
                           .arg(places[p]->name, tieName({ int(places.size()), earlier / 2 + 1 }),
                                tieName({ int(places.size()), p / 2 + 1 })));
                return std::nullopt;
            }
        }
    }
    return KnockoutStage(places);
}

std::optional<KnockoutStage> KnockoutStage::fromSeeds(const QVector<KnockoutTeam>& seeds, QString* refusal)
{
    const int size = bracketSize(seeds.size());
    if (size == 0) {
        refuse(refusal, entrantsRefusal());
        return std::nullopt;
    }
    QVector<Place> places;
    for (int seed : seedOrder(size))
        places.append(seed <= seeds.size() ? Place(seeds[seed - 1]) : std::nullopt);
    return fromPlaces(places, refusal);
}

QStringList KnockoutStage::tieCodes() const
{
    QStringList codes;
    for (int roundSize = size(); roundSize >= 2; roundSize /= 2) {
        if (roundSize == 2 && thirdPlaceMatch())
            codes.append(tieCode({ 2, 1, true }));
        for (int number = 1; number <= roundSize / 2; ++number)
            codes.append(tieCode({ roundSize, number }));
    }
    return codes;
}

bool KnockoutStage::setLegs(int roundSize, int legs, QString* refusal)
{
    if (legs < 1 || legs > 2 || roundSize < 2 || roundSize > size() || bracketSize(roundSize) != roundSize)
        return refuse(refusal,
                      QCoreApplication::translate("KnockoutStage", "A round is played in one game or in two legs."));
    for (const QString& code : codesWithResults()) {
        const TieId tie = *readTieCode(code);
        if (tie.roundSize == roundSize)
            return refuse(refusal,
                          QCoreApplication::translate("KnockoutStage",
                                                      "Results have been entered in the %1: clear them before changing "
                                                      "the number of legs.")
                              .arg(roundName(roundSize)));
    }
    m_legs[roundSize] = legs;
    return true;
}

int KnockoutStage::games(const QString& code) const
{
    const std::optional<TieId> tie = tieOf(code);
    return tie ? gamesOf(*tie) : 0;
}

std::optional<TieId> KnockoutStage::tieOf(const QString& code) const
{
    const std::optional<TieId> tie = readTieCode(code);
    if (!tie || tie->roundSize > size() || (tie->thirdPlace && !thirdPlaceMatch()))
        return std::nullopt;
    return tie;
}

std::optional<KnockoutTeam> KnockoutStage::team(const QString& code, TieSide side) const
{
    const std::optional<TieId> tie = tieOf(code);
    return tie ? team(*tie, side) : std::nullopt;
}

std::optional<KnockoutTeam> KnockoutStage::team(const TieId& tie, TieSide side) const
{
    // The loser of the first semi-final is listed first in the third-place match.
    if (tie.thirdPlace)
        return winner(TieId { 4, side == TieSide::First ? 1 : 2 }, false);
    if (tie.roundSize == size())
        return m_places[placeOf(tie.number, side)];
    return winner(TieId { tie.roundSize * 2, placeOf(tie.number, side) + 1 }, true);
}

bool KnockoutStage::isBye(const QString& code) const
{
    const std::optional<TieId> tie = tieOf(code);
    return tie && !tie->thirdPlace && tie->roundSize == size()
        && (!m_places[placeOf(tie->number, TieSide::First)] || !m_places[placeOf(tie->number, TieSide::Second)]);
}

std::optional<KnockoutTeam> KnockoutStage::winner(const QString& code) const
{
    const std::optional<TieId> tie = tieOf(code);
    return tie ? winner(*tie, true) : std::nullopt;
}

// The winner of a tie, or its loser when `winning` is false; nothing while the tie is undecided.
std::optional<KnockoutTeam> KnockoutStage::winner(const TieId& tie, bool winning) const
{
    const std::optional<KnockoutTeam> first = team(tie, TieSide::First);
    const std::optional<KnockoutTeam> second = team(tie, TieSide::Second);
    if (isBye(tieCode(tie)))
        return winning ? (first ? first : second) : std::nullopt;
    const auto found = m_results.constFind(tieCode(tie));
    if (!first || !second || found == m_results.cend() || found->legs.size() < gamesOf(tie))
        return std::nullopt;
    const std::optional<TieSide> side = decideTie(*found, m_awayGoals, nullptr);
    if (!side)
        return std::nullopt;
    return (*side == TieSide::First) == winning ? first : second;
}

std::optional<TieResult> KnockoutStage::result(const QString& code) const
{
    const auto found = m_results.constFind(code);
    return found == m_results.cend() ? std::nullopt : std::optional<TieResult>(*found);
}

bool KnockoutStage::setResult(const QString& code, const TieResult& result, QString* refusal)
{
    const std::optional<TieId> tie = tieOf(code);
    if (!tie)
        return refuse(refusal,
                      QCoreApplication::translate("KnockoutStage", "This knockout stage has no tie %1.").arg(code));
    const QString name = tieName(*tie);
    if (isBye(code))
        return refuse(refusal,
                      QCoreApplication::translate("KnockoutStage", "%1 is a bye: it has no result.").arg(name));
    if (!team(*tie, TieSide::First) || !team(*tie, TieSide::Second))
        return refuse(refusal,
                      QCoreApplication::translate("KnockoutStage", "Who plays in %1 is not known yet.").arg(name));
    const int games = gamesOf(*tie);
    // The first leg of a two-legged tie is entered once it is played; the tie is decided in the second.
    const bool firstLegOnly = games == 2 && result.legs.size() == 1;
    if (result.legs.size() != games && !firstLegOnly)
        return refuse(
            refusal,
            games == 1
                ? QCoreApplication::translate("KnockoutStage", "%1 is played in one game: enter one full-time score.")
                      .arg(name)
                : QCoreApplication::translate("KnockoutStage",
                                              "%1 is played in two legs: enter the full-time score of each leg.")
                      .arg(name));
    if (firstLegOnly && (result.extraTime || result.penalties))
        return refuse(
            refusal,
            QCoreApplication::translate("KnockoutStage", "Extra time and penalties belong to the second leg of %1.")
                .arg(name));
    if (firstLegOnly && (result.legs[0].home < 0 || result.legs[0].away < 0))
        return refuse(refusal, QCoreApplication::translate("KnockoutStage", "A score cannot be negative."));
    if (!firstLegOnly && !decideTie(result, m_awayGoals, refusal))
        return false;
    const QStringList later = laterResultsChangedBy(code, result);
    if (!later.isEmpty())
        return refuse(refusal, laterResultsNotice(later));
    m_results[code] = result;
    return true;
}

QStringList KnockoutStage::laterResultsChangedBy(const QString& code, const std::optional<TieResult>& result) const
{
    KnockoutStage changed = *this;
    if (result)
        changed.m_results[code] = *result;
    else
        changed.m_results.remove(code);
    // Round by round, so that a result taken away is taken into account for the ties after it.
    for (const QString& later : tieCodes()) {
        if (later == code || !changed.m_results.contains(later))
            continue;
        if (team(later, TieSide::First) != changed.team(later, TieSide::First)
            || team(later, TieSide::Second) != changed.team(later, TieSide::Second))
            changed.m_results.remove(later);
    }
    QStringList codes;
    for (const QString& later : tieCodes())
        if (later != code && m_results.contains(later) && !changed.m_results.contains(later))
            codes.append(later);
    return codes;
}

void KnockoutStage::clearResults(const QStringList& codes)
{
    for (const QString& code : codes)
        m_results.remove(code);
}

QDate latestGameDate()
{
    return QDate(3000, 12, 31);
}

bool KnockoutStage::setSchedule(const QDate& startDate, int daysBetweenRounds, QString* refusal)
{
    if (startDate.isValid()) {
        int dateSlots = 0;
        for (int roundSize = size(); roundSize >= 2; roundSize /= 2)
            dateSlots += legs(roundSize);
        const QDate last = startDate.addDays(qint64(dateSlots - 1) * daysBetweenRounds);
        if (startDate < earliestRecordDate() || last > latestGameDate())
            return refuse(
                refusal,
                QCoreApplication::translate("KnockoutStage",
                                            "The knockout games would be played from %1 to %2; a calendar holds the "
                                            "days from %3 to %4.")
                    .arg(formatRecordDate(startDate), formatRecordDate(last), formatRecordDate(earliestRecordDate()),
                         formatRecordDate(latestGameDate())));
    }
    m_startDate = startDate;
    m_daysBetweenRounds = daysBetweenRounds;
    return true;
}

QDate KnockoutStage::gameDate(const QString& code, int leg) const
{
    const std::optional<TieId> tie = tieOf(code);
    if (!tie || !m_startDate.isValid())
        return QDate();
    int slot = leg - 1;
    for (int roundSize = size(); roundSize > tie->roundSize; roundSize /= 2)
        slot += legs(roundSize);
    return m_startDate.addDays(qint64(slot) * m_daysBetweenRounds);
}

void KnockoutStage::renameTeam(int group, int number, const QString& name)
{
    for (Place& place : m_places) {
        if (place && place->group == group && place->number == number)
            place->name = name;
    }
}
