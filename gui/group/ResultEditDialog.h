#pragma once

#include "core/records/GroupRecords.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Edits the scores of one fixture or result. The caller puts "R:" + the item's date into
// EditedRecord and fills the dialog; once it has closed, EditedRecord holds the complete result
// line to store, or is empty when nothing is to change.
class ResultEditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ResultEditDialog(QWidget* parent = nullptr);

    // The item to edit. Its team numbers travel through the dialog as the texts they are stored
    // with; its score texts are shown as given.
    void setItem(const GroupRecords::ResultEdit& item);

public slots:
    void confirm();
    void cancel();

protected:
    void reject() override;

private:
    void buildControls();
    QLineEdit* addField(QAnyStringView objectName, const QString& accessibleName, int left, int top, int width);

    QLabel* m_teamsLabel = nullptr;
    QLabel* m_halfTimeLabel = nullptr;
    QLabel* m_fullTimeLabel = nullptr;
    QLineEdit* m_homeTeamField = nullptr;
    QLineEdit* m_awayTeamField = nullptr;
    QLineEdit* m_homeHalfTimeField = nullptr;
    QLineEdit* m_awayHalfTimeField = nullptr;
    QLineEdit* m_homeFullTimeField = nullptr;
    QLineEdit* m_awayFullTimeField = nullptr;
    QLineEdit* m_homeTeamNumberField = nullptr;
    QLineEdit* m_awayTeamNumberField = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
