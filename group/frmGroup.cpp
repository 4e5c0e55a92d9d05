#include "group/frmGroup.h"

#include "group/RecordLines.h"

#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

frmGroup::frmGroup(QWidget* parent)
    : QWidget(parent)
{
    buildControls();
    Form_Load();
}

frmGroup::~frmGroup() = default;

void frmGroup::buildControls()
{
    m_teamsModel = new QStringListModel(this);
    m_resultsModel = new QStringListModel(this);

    lstTeams = new QListView(this);
    lstTeams->setObjectName(QStringLiteral("lstTeams"));
    lstTeams->setModel(m_teamsModel);
    lstTeams->setUniformItemSizes(true);
    lstTeams->setEditTriggers(QAbstractItemView::NoEditTriggers);

    lstResults = new QListView(this);
    lstResults->setObjectName(QStringLiteral("lstResults"));
    lstResults->setModel(m_resultsModel);
    lstResults->setUniformItemSizes(true);
    lstResults->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTeams);
    layout->addWidget(lstResults);
}

void frmGroup::Form_Load()
{
    dEntryDate = QDate::currentDate();
}

void frmGroup::Form_Resize() {}

void frmGroup::showEntryDate() {}

void frmGroup::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

QStringList frmGroup::teams() const
{
    return m_teamsModel->stringList();
}

void frmGroup::setTeams(const QStringList& teams)
{
    m_teamsModel->setStringList(teams);
}

void frmGroup::appendTeam(const QString& name)
{
    const int row = m_teamsModel->rowCount();
    m_teamsModel->insertRows(row, 1);
    m_teamsModel->setData(m_teamsModel->index(row), name);
}

void frmGroup::setStoredLines(const QStringList& lines)
{
    m_resultFile = lines;
}

QStringList frmGroup::displayLines() const
{
    return m_resultsModel->stringList();
}

int frmGroup::selectedResult() const
{
    const QModelIndex current = lstResults->selectionModel()->currentIndex();
    if (!current.isValid() || !lstResults->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void frmGroup::selectResult(int position)
{
    const QModelIndex index = m_resultsModel->index(position);
    lstResults->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void frmGroup::RefreshList()
{
    m_resultsModel->setStringList(buildDisplayLines(m_resultFile, teams()));
}

void frmGroup::cmdHome_Click() {}
void frmGroup::cmdAway_Click() {}
void frmGroup::lstTeams_DblClick() {}
void frmGroup::cmdCalendar_Click() {}
void frmGroup::cmdAddFixture_Click() {}
void frmGroup::cmdAddResult_Click() {}
void frmGroup::cmdClear_Click() {}
void frmGroup::cmdDelete_Click() {}
void frmGroup::cmdEdit_Click() {}

// The reports come with their own work; until then the buttons do nothing.
void frmGroup::cmdReport_Click() {}
void frmGroup::cmdFixtureList_Click() {}
