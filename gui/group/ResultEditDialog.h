#pragma once

#include "core/records/GroupRecords.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Edits the scores of one fixture or result. The caller puts "R:" + the item's date into
// EditedRecord and fills the dialog; once it has closed, EditedRecord holds the complete result
// line to store, or is empty when nothing is to change.
class frmEditFixture : public QDialog
{
    Q_OBJECT

public:
    explicit frmEditFixture(QWidget* parent = nullptr);

    // The item to edit. Its team numbers travel through the dialog as the texts they are stored
    // with; its score texts are shown as given.
    void setItem(const GroupRecords::ResultEdit& item);

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void reject() override;

private:
    void buildControls();
    void Form_Load();
    QLineEdit* addField(const QString& name, const QString& accessibleName, int left, int top, int width);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtHome = nullptr;
    QLineEdit* txtAway = nullptr;
    QLineEdit* txtHomeHT = nullptr;
    QLineEdit* txtAwayHT = nullptr;
    QLineEdit* txtHomeFT = nullptr;
    QLineEdit* txtAwayFT = nullptr;
    QLineEdit* txtHomeNumber = nullptr;
    QLineEdit* txtAwayNumber = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
