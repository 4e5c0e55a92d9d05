// The group window's corrections: Edit (scores), Edit Date and Sort.
#include "core/common/FailureText.h"
#include "core/records/FixtureSort.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/DatePickerDialog.h"
#include "gui/group/GroupWindow.h"
#include "gui/group/ResultEditDialog.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/FocusReturn.h"
#include "gui/widgets/Prompts.h"

void GroupWindow::editResult()
{
    const int i = selectedResult();
    QString error;
    const std::optional<GroupRecords::ResultEdit> item = records().resultEdit(i, &error);
    if (!item) {
        if (!error.isEmpty())
            Prompts::refuse(tr("This item cannot be edited: %1.").arg(error), tr("Edit Result"));
        return;
    }

    ResultEditDialog dialog(*item, this);
    const FocusReturn focusReturn;
    dialog.exec();
    const std::optional<QString> edited = dialog.result();
    if (!edited || i >= records().size())
        return;
    m_document->replaceItem(m_group, i, *edited);
    selectResult(i);
}

void GroupWindow::editDate()
{
    const int i = selectedResult();
    if (!records().isRecordLine(i))
        return;

    const std::optional<QDate> picked = DatePickerDialog::pick(records().recordDate(i), QString(), this);
    if (!picked || !m_document->redateItem(m_group, i, *picked))
        return;
    selectResult(i);
}

void GroupWindow::sortFixtures()
{
    BusyWindow busy(this);
    QStringList lines = storedLines();
    QString error;
    if (sortByRecordDate(lines, &error)) {
        // The file records the order; a sort that moved nothing leaves nothing to save.
        if (lines != storedLines())
            m_document->setItems(m_group, lines, TournamentDocument::ItemsChange::Sort);
        return;
    }
    busy.done();
    Prompts::refuse(failureText(kSortFailureNumber, error), tr("Error during sort"));
}
