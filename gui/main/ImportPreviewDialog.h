#pragma once

#include "core/records/ResultImport.h"

#include <QDialog>

class QTableWidget;

// File > Import Results shows this before anything is imported: every row of the file with what
// importing it does, and the counts. Rows that can be imported carry a tick, repeats unticked;
// rows already entered and conflicts cannot be ticked. OK imports the ticked rows, Cancel nothing.
class ImportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    ImportPreviewDialog(const QString& fileName, const QList<PlannedRow>& rows, const QStringList& teams,
                        QWidget* parent = nullptr);

    QList<PlannedRow> tickedRows() const;

private:
    QString actionText(const PlannedRow& row) const;
    QString countsText() const;

    QList<PlannedRow> m_rows;
    QTableWidget* m_rowTable = nullptr;
};
