#include "gui/group/ResultsTableModel.h"

#include "core/records/RecordLines.h"
#include "core/records/TypedScore.h"
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
    , m_shown(document->group(group).storedLines())
    , m_teams(document->group(group).teams())
{ }

int ResultsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

ResultsTableModel::Game ResultsTableModel::gameAt(int row) const
{
    Game game;
    const QString& line = m_shown.at(row);
    const std::optional<Record> record = readRecordLine(line);
    if (!record)
        return game;
    game.readable = true;
    game.isResult = record->isResult;
    game.date = record->dateText.trimmed();
    game.home = teamNameOrPlaceholder(m_teams, record->home);
    game.away = teamNameOrPlaceholder(m_teams, record->away);
    if (record->isResult) {
        game.score = scoreText(record->homeFullTime, record->awayFullTime);
        // A result typed into the table without its half-time score shows none.
        const QStringList fields = splitRecordLine(line)->fields;
        if (!fields[0].trimmed().isEmpty() || !fields[1].trimmed().isEmpty())
            game.halfTime = scoreText(record->homeHalfTime, record->awayHalfTime);
    }
    return game;
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return QVariant();
    const Game game = gameAt(index.row());
    if (!game.readable) {
        if ((role == Qt::DisplayRole || role == Qt::AccessibleTextRole) && index.column() == Date)
            return m_shown.at(index.row());
        return QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case Date:
            return game.date;
        case Home:
            return game.home;
        case Score:
            return game.score;
        case Away:
            return game.away;
        case HalfTime:
            return game.halfTime;
        }
        break;
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole:
        // The whole game, for a screen reader on any of its cells.
        if (!game.isResult)
            return tr("%1 %2 v %3").arg(game.date, game.home, game.away);
        return QStringLiteral("%1 %2 %3 %4%5")
            .arg(game.date, game.home, game.score, game.away,
                 game.halfTime.isEmpty() ? QString() : tr(", half-time ") + game.halfTime);
    case Qt::TextAlignmentRole:
        if (index.column() == Score || index.column() == HalfTime)
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
        = { QT_TR_NOOP("Date"), QT_TR_NOOP("Home"), QT_TR_NOOP("Score"), QT_TR_NOOP("Away"), QT_TR_NOOP("HT") };
    return tr(kHeadings[section]);
}

bool ResultsTableModel::isReadable(int row) const
{
    return row >= 0 && row < m_shown.size() && readRecordLine(m_shown.at(row)).has_value();
}

bool ResultsTableModel::isFixture(int row) const
{
    return isReadable(row) && m_shown.at(row).startsWith(u"F:");
}

Qt::ItemFlags ResultsTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int row = index.row();
    // A fixture's half-time score follows its full-time one.
    if ((index.column() == Score && isReadable(row))
        || (index.column() == HalfTime && isReadable(row) && !isFixture(row)))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QString ResultsTableModel::newLine(const QModelIndex& index, const QString& text, QString* refusal) const
{
    return lineWithTypedScore(m_shown.at(index.row()), text, index.column() == Score, refusal).value_or(QString());
}

QString ResultsTableModel::scoreProblem(const QModelIndex& index, const QString& text) const
{
    // An emptied cell takes nothing away: the item stays as it is.
    if (text.trimmed().isEmpty())
        return QString();
    QString refusal;
    newLine(index, text, &refusal);
    return refusal;
}

bool ResultsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (text.trimmed().isEmpty() || text.trimmed() == data(index).toString())
        return false;
    QString refusal;
    const QString line = newLine(index, text, &refusal);
    if (line.isEmpty())
        return false;
    m_document->replaceItem(m_group, index.row(), line);
    return true;
}

void ResultsTableModel::refresh()
{
    const QStringList& lines = m_document->group(m_group).storedLines();
    const QStringList& teams = m_document->group(m_group).teams();
    if (teams == m_teams && lines.size() == m_shown.size() + 1
        && std::equal(m_shown.begin(), m_shown.end(), lines.begin())) {
        const int row = int(m_shown.size());
        beginInsertRows(QModelIndex(), row, row);
        m_shown = lines;
        endInsertRows();
        return;
    }
    if (teams == m_teams && lines.size() == m_shown.size()) {
        int changed = -1;
        for (int row = 0; row < lines.size(); ++row) {
            if (lines[row] == m_shown[row])
                continue;
            if (changed >= 0) {
                changed = -2;
                break;
            }
            changed = row;
        }
        if (changed == -1)
            return;
        if (changed >= 0 && readRecordLine(lines[changed]) && readRecordLine(m_shown[changed])) {
            m_shown = lines;
            emit dataChanged(index(changed, 0), index(changed, ColumnCount - 1));
            return;
        }
    }
    beginResetModel();
    m_shown = lines;
    m_teams = teams;
    endResetModel();
    emit rowsReset();
}
