#pragma once

#include "core/common/GameSlot.h"

#include <QAbstractTableModel>
#include <optional>

class TournamentDocument;
struct Record;

// A group's fixtures and results as the results table shows them: "Date", "Home", "Score", "Away",
// "HT", one row per item in list order, and when the day is planned "Time" and "Pitch" (which the
// view shows after "Date"), each read from the item's game. A line that cannot be read
// keeps its stored text, in the first column, for the view to span across the row. The scores of a
// fixture or result can be typed into "Score", and a result's into "HT": the item changes through
// the document, as one step. The rows follow the document's signals, each change as it comes.
class ResultsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, Home, Score, Away, HalfTime, Time, Pitch, ColumnCount };

    ResultsTableModel(TournamentDocument* document, int group, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    bool isReadable(int row) const;
    bool isFixture(int row) const;
    bool hasTimetable() const;
    // Why `text` cannot be typed into the score, time or pitch cell at `index`, or empty when it can.
    QString scoreProblem(const QModelIndex& index, const QString& text) const;

signals:
    // The unreadable rows, to span across the table: all of them after a reset, and a row put in
    // or changed, which may have become readable or unreadable.
    void rowsReset();
    void rowShown(int row);
    // The time and pitch columns came or went with the timetable.
    void columnsReset();

private:
    const Record* gameAt(int row) const;
    QString newLine(const QModelIndex& index, const QString& text, QString* refusal) const;
    // The slot `text` gives the game at `index`; nothing, with the reason, when it cannot be read or
    // the game cannot move there.
    std::optional<GameSlot> newSlot(const QModelIndex& index, const QString& text, QString* refusal) const;
    void takeTimetable();
    void takeInsertedRows(int group, int first, int count);
    void takeRemovedRows(int group, int first, int count);
    void takeChangedRow(int group, int row);
    void takeReset(int group);

    TournamentDocument* m_document;
    int m_group;
    // The rows the view knows of: the document has already changed when its signal comes.
    int m_rows = 0;
    int m_columns = 0;
};
