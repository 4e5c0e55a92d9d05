// The group window's corrections: Edit (scores), Edit Date and Sort.
#include "core/common/FailureText.h"
#include "core/records/FixtureSort.h"
#include "core/tournament/Tournament.h"
#include "gui/group/DatePickerDialog.h"
#include "gui/group/GroupWindow.h"
#include "gui/group/ResultEditDialog.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/Prompts.h"

void GroupWindow::editResult()
{
    const int i = selectedResult();
    QString error;
    const std::optional<GroupRecords::ResultEdit> item = m_records.resultEdit(i, &error);
    if (!item) {
        if (!error.isEmpty())
            Prompts::refuse(QStringLiteral("This item cannot be edited: %1.").arg(error),
                            QStringLiteral("Edit Result"));
        return;
    }

    ResultEditDialog dialog(*item, this);
    dialog.exec();
    const std::optional<QString> edited = dialog.result();
    if (!edited || i >= m_records.size())
        return;
    m_records.replace(i, *edited);
    Tournament.Saved = false;
    showResults();
    selectResult(i);
}

void GroupWindow::editDate()
{
    const int i = selectedResult();
    if (!m_records.isRecordLine(i))
        return;

    const std::optional<QDate> picked = DatePickerDialog::pick(m_records.recordDate(i), QString(), this);
    if (!picked || !m_records.redate(i, *picked))
        return;
    showResults();
    selectResult(i);
    Tournament.Saved = false;
}

void GroupWindow::sortFixtures()
{
    BusyWindow busy(this);
    QStringList lines = storedLines();
    QString error;
    if (sortByRecordDate(lines, &error)) {
        // The file records the order; a sort that moved nothing leaves nothing to save.
        if (lines != storedLines())
            Tournament.Saved = false;
        setStoredLines(lines);
        return;
    }
    // The display lines are rebuilt in either case, as after a sort.
    refreshList();
    busy.done();
    Prompts::refuse(failureText(kSortFailureNumber, error), QStringLiteral("Error during sort"));
}
