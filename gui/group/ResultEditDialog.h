#pragma once

#include "core/records/GroupRecords.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Edits the scores of one fixture or result. Once the dialog has closed, result() holds the
// complete result line to store, or nothing when the item is to stay as it was.
class ResultEditDialog : public QDialog
{
    Q_OBJECT

public:
    // The item to edit. Its team numbers travel through the dialog as the texts they are stored
    // with; its score texts are shown as given.
    explicit ResultEditDialog(const GroupRecords::ResultEdit& item, QWidget* parent = nullptr);

    std::optional<QString> result() const { return m_result; }

public slots:
    void confirm();
    void cancel();

protected:
    void reject() override;

private:
    void buildControls();
    void showItem(const GroupRecords::ResultEdit& item);
    QLineEdit* addField(QAnyStringView objectName, const QString& accessibleName, int left, int top, int width);

    QString m_dateText; // the item's date as stored
    std::optional<QString> m_result;
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
