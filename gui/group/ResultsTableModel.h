#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class TournamentDocument;

// A group's fixtures and results as the results table shows them: "Date", "Home", "Score", "Away",
// "HT", one row per item in list order. A line that cannot be read keeps its stored text, in the
// first column, for the view to span across the row. The scores of a fixture or result can be typed
// into "Score", and a result's into "HT": the item changes through the document, as one step.
class ResultsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, Home, Score, Away, HalfTime, ColumnCount };

    ResultsTableModel(TournamentDocument* document, int group, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    bool isReadable(int row) const;
    bool isFixture(int row) const;
    // Why `text` cannot be typed into the score cell at `index`, or empty when it can.
    QString scoreProblem(const QModelIndex& index, const QString& text) const;

    // Brings the rows in step with the document after its group changed: an item appended or changed
    // alone keeps the view's selection; anything else resets the rows.
    void refresh();

signals:
    // The unreadable rows, to span across the table; after every reset.
    void rowsReset();

private:
    struct Game
    {
        bool readable = false;
        bool isResult = false;
        QString date, home, away, score, halfTime;
    };
    Game gameAt(int row) const;
    QString newLine(const QModelIndex& index, const QString& text, QString* refusal) const;

    TournamentDocument* m_document;
    int m_group;
    QStringList m_shown; // the stored lines the rows show
    QStringList m_teams;
};
