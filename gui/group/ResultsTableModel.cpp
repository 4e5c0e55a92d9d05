#include "gui/group/ResultsTableModel.h"

#include "core/records/RecordLines.h"
#include "core/records/TypedScore.h"
#include "core/setup/MoveCheck.h"
#include "core/tournament/TournamentDocument.h"

namespace {

QString scoreText(qint16 home, qint16 away)
{
    return QStringLiteral("%1-%2").arg(home).arg(away);
}

} // namespace

ResultsTableModel::ResultsTableModel(TournamentDocument* document, int group, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
    , m_group(group)
    , m_rows(document->group(group).size())
    , m_columns(hasTimetable() ? ColumnCount : Time)
{
    connect(document, &TournamentDocument::itemsInserted, this, &ResultsTableModel::takeInsertedRows);
    connect(document, &TournamentDocument::itemsRemoved, this, &ResultsTableModel::takeRemovedRows);
    connect(document, &TournamentDocument::itemChanged, this, &ResultsTableModel::takeChangedRow);
    connect(document, &TournamentDocument::itemsReset, this, &ResultsTableModel::takeReset);
    connect(document, &TournamentDocument::timetableChanged, this, &ResultsTableModel::takeTimetable);
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

bool ResultsTableModel::hasTimetable() const
{
    return m_document->timetable().has_value();
}

const Record* ResultsTableModel::gameAt(int row) const
{
    const auto& games = m_document->group(m_group).games();
    if (row < 0 || row >= games.size() || !games.at(row))
        return nullptr;
    return &*games.at(row);
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return QVariant();
    const Record* game = gameAt(index.row());
    if (!game) {
        if ((role == Qt::DisplayRole || role == Qt::AccessibleTextRole) && index.column() == Date)
            return m_document->group(m_group).storedLines().value(index.row());
        return QVariant();
    }
    const QStringList& teams = m_document->group(m_group).teams();
    const auto text = [&](int column) {
        switch (column) {
        case Date:
            return game->dateText.trimmed();
        case Home:
            return teamNameOrPlaceholder(teams, game->home);
        case Score:
            return game->isResult ? scoreText(game->homeFullTime, game->awayFullTime) : QString();
        case Away:
            return teamNameOrPlaceholder(teams, game->away);
        case HalfTime:
            // A result typed into the table without its half-time score shows none.
            return game->halfTimeGiven ? scoreText(game->homeHalfTime, game->awayHalfTime) : QString();
        case Time:
        case Pitch: {
            const std::optional<GameSlot> slot = m_document->group(m_group).gameSlots().value(index.row());
            if (!slot || !hasTimetable())
                return QString();
            return column == Time ? minuteText(slot->start)
                                  : m_document->timetable()->settings.pitches.value(slot->pitch);
        }
        }
        return QString();
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(index.column());
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole: {
        // The whole game, for a screen reader on any of its cells.
        if (!game->isResult)
            return tr("%1 %2 v %3").arg(text(Date), text(Home), text(Away));
        const QString halfTime = text(HalfTime);
        return QStringLiteral("%1 %2 %3 %4%5")
            .arg(text(Date), text(Home), text(Score), text(Away),
                 halfTime.isEmpty() ? QString() : tr(", half-time ") + halfTime);
    }
    case Qt::TextAlignmentRole:
        if (index.column() == Score || index.column() == HalfTime || index.column() == Time)
            return int(Qt::AlignCenter);
        break;
    }
    return QVariant();
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kHeadings[ColumnCount]
        = { QT_TR_NOOP("Date"), QT_TR_NOOP("Home"), QT_TR_NOOP("Score"), QT_TR_NOOP("Away"),
            QT_TR_NOOP("HT"),   QT_TR_NOOP("Time"), QT_TR_NOOP("Pitch") };
    return tr(kHeadings[section]);
}

bool ResultsTableModel::isReadable(int row) const
{
    return row < m_rows && gameAt(row);
}

bool ResultsTableModel::isFixture(int row) const
{
    const Record* game = row < m_rows ? gameAt(row) : nullptr;
    return game && !game->isResult;
}

Qt::ItemFlags ResultsTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int row = index.row();
    // A fixture's half-time score follows its full-time one.
    if ((index.column() == Score && isReadable(row))
        || (index.column() == HalfTime && isReadable(row) && !isFixture(row))
        || ((index.column() == Time || index.column() == Pitch) && isReadable(row) && hasTimetable()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QString ResultsTableModel::newLine(const QModelIndex& index, const QString& text, QString* refusal) const
{
    return lineWithTypedScore(m_document->group(m_group).storedLines().at(index.row()), text, index.column() == Score,
                              refusal)
        .value_or(QString());
}

QString ResultsTableModel::scoreProblem(const QModelIndex& index, const QString& text) const
{
    // An emptied cell takes nothing away: the item stays as it is.
    if (text.trimmed().isEmpty())
        return QString();
    QString refusal;
    if (index.column() == Time || index.column() == Pitch)
        newSlot(index, text, &refusal);
    else
        newLine(index, text, &refusal);
    return refusal;
}

std::optional<GameSlot> ResultsTableModel::newSlot(const QModelIndex& index, const QString& text,
                                                   QString* refusal) const
{
    const Record* record = gameAt(index.row());
    if (!record || !hasTimetable())
        return std::nullopt;
    const TimetableSettings& settings = m_document->timetable()->settings;
    const GroupRecords& group = m_document->group(m_group);
    TimetableGame game;
    game.group = m_group;
    game.position = index.row();
    game.stage = m_document->groupCaption(m_group);
    game.homeName = teamNameOrPlaceholder(group.teams(), record->home);
    game.awayName = teamNameOrPlaceholder(group.teams(), record->away);
    // A game added after the day was planned has no slot yet: it starts from the first day's first pitch.
    const std::optional<GameSlot> current = group.gameSlots().value(index.row());
    if (current)
        game.slot = *current;
    else
        game.slot = { settings.days.value(0), settings.hours.from, settings.hours.from + settings.groupGameMinutes, 0 };
    GameSlot slot = game.slot;
    const QString typed = text.trimmed();
    if (index.column() == Time) {
        const std::optional<int> start = readMinuteText(typed);
        if (!start) {
            *refusal = tr("\"%1\" is no time: type the kick-off as HH:MM, such as 10:25.").arg(typed);
            return std::nullopt;
        }
        slot.start = *start;
    } else {
        bool isNumber = false;
        const int number = typed.toInt(&isNumber);
        int pitch = isNumber ? number - 1 : -1;
        for (int named = 0; !isNumber && named < settings.pitches.size(); ++named)
            if (settings.pitches.at(named).compare(typed, Qt::CaseInsensitive) == 0)
                pitch = named;
        if (pitch < 0 || pitch >= settings.pitches.size()) {
            *refusal = tr("\"%1\" is no pitch of the timetable: type its name or its number, 1 to %2.")
                           .arg(typed)
                           .arg(settings.pitches.size());
            return std::nullopt;
        }
        slot.pitch = pitch;
    }
    slot.end = slot.start + settings.groupGameMinutes;
    if (current && slot == *current)
        return slot;
    *refusal = moveProblem(m_document->data(), game, slot);
    if (!refusal->isEmpty())
        return std::nullopt;
    return slot;
}

bool ResultsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (text.trimmed().isEmpty() || text.trimmed() == data(index).toString())
        return false;
    QString refusal;
    if (index.column() == Time || index.column() == Pitch) {
        const std::optional<GameSlot> slot = newSlot(index, text, &refusal);
        if (!slot || slot == m_document->group(m_group).gameSlots().value(index.row()))
            return false;
        return m_document->setGameSlot(m_group, index.row(), slot);
    }
    const QString line = newLine(index, text, &refusal);
    if (line.isEmpty())
        return false;
    m_document->replaceItem(m_group, index.row(), line);
    return true;
}

void ResultsTableModel::takeInsertedRows(int group, int first, int count)
{
    if (group != m_group)
        return;
    beginInsertRows(QModelIndex(), first, first + count - 1);
    m_rows += count;
    endInsertRows();
    for (int row = first; row < first + count; ++row)
        emit rowShown(row);
}

void ResultsTableModel::takeRemovedRows(int group, int first, int count)
{
    if (group != m_group)
        return;
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    m_rows -= count;
    endRemoveRows();
}

void ResultsTableModel::takeChangedRow(int group, int row)
{
    if (group != m_group)
        return;
    emit dataChanged(index(row, 0), index(row, m_columns - 1));
    emit rowShown(row);
}

void ResultsTableModel::takeReset(int group)
{
    if (group != m_group)
        return;
    beginResetModel();
    m_rows = m_document->group(m_group).size();
    endResetModel();
    emit rowsReset();
}

void ResultsTableModel::takeTimetable()
{
    const int columns = hasTimetable() ? ColumnCount : Time;
    if (columns != m_columns) {
        beginResetModel();
        m_columns = columns;
        endResetModel();
        emit columnsReset();
        emit rowsReset();
    } else if (m_rows > 0 && m_columns == ColumnCount) {
        emit dataChanged(index(0, Time), index(m_rows - 1, Pitch));
    }
}
