#pragma once

#include <QTableView>

class QStandardItemModel;
struct LeagueTable;

// A group's league table beside its results: "Pos", "Team", "P", "W", "D", "L", "F", "A", "GD",
// "Pts", in the order and with the figures of the League Table window, each row's reason in its
// tooltip. The group window fills it after every change while it is shown.
class LeagueTablePanel : public QTableView
{
    Q_OBJECT

public:
    explicit LeagueTablePanel(QWidget* parent = nullptr);

    void showTable(const LeagueTable& table);
    // The computation failed: no rows, and the reason where a screen reader and a tooltip find it.
    void showFailure(const QString& error);

private:
    QStandardItemModel* m_rows;
};
