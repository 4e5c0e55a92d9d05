#pragma once

#include "core/knockout/TieResult.h"

#include <QDialog>
#include <QVector>
#include <optional>

class QLineEdit;
class QPushButton;

// The result of one tie: the full-time score of each game as "home-away", the home team named for
// each, and for the deciding game the score after extra time and the penalty shoot-out when they
// were needed. A score that is no score, or a result that does not decide the tie, is refused with
// the reason and the dialog stays open with everything typed. Clear Result, shown when the tie has
// a result, closes it with no result.
class TieResultDialog : public QDialog
{
    Q_OBJECT

public:
    TieResultDialog(const QString& tieName, const QString& first, const QString& second, int legs, bool awayGoals,
                    const std::optional<TieResult>& current, QWidget* parent = nullptr);

    // After Accepted: the result to enter, or nothing to clear it.
    const std::optional<TieResult>& result() const { return m_result; }

    void accept() override;

public slots:
    void clearResult();

private:
    // Reads the score typed in `field` into `score`; false, after refusing it, for a typing slip.
    // An optional field left empty gives no score.
    bool readScore(QLineEdit* field, bool required, std::optional<GameScore>* score);

    bool m_awayGoals = false;
    QVector<QLineEdit*> m_legFields;
    QLineEdit* m_extraTimeField = nullptr;
    QLineEdit* m_penaltiesField = nullptr;
    QPushButton* m_clearButton = nullptr;
    std::optional<TieResult> m_result;
};
