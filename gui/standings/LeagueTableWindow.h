#pragma once

#include "core/standings/LeagueRow.h"

#include <QDialog>

class QPushButton;
class QStandardItemModel;
class QTableView;

// The league table of one group, shown modally under the group's caption: one column per field of
// the rows' source, headed by the field's name, one row per team in league order. It shows a copy of
// the rows; nothing typed here could reach the database, so the table cannot be edited. Each row but
// the first says why it stands below the one above, as its tooltip and its accessible description.
// The grid takes whatever room the window is given.
class LeagueTableWindow : public QDialog
{
    Q_OBJECT

public:
    LeagueTableWindow(const LeagueTable& table, const QString& groupCaption, QWidget* parent = nullptr);

private:
    void buildControls();
    void fillGrid(const LeagueTable& table);
    void fitGridToColumns();

    QStandardItemModel* m_rows = nullptr;
    QTableView* m_leagueTableView = nullptr;
    QPushButton* m_closeButton = nullptr;
};
