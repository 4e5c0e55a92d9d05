#include "gui/knockout/TieResultDialog.h"

#include "core/knockout/TieResultText.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("Tie Result");

QLineEdit* addScoreField(QWidget* parent, QFormLayout* form, QAnyStringView objectName, const QString& caption,
                         const QString& accessibleName, const std::optional<GameScore>& score)
{
    QLineEdit* field = makeTextField(parent, objectName, score ? gameScoreText(*score) : QString(), accessibleName);
    field->setPlaceholderText(QStringLiteral("home-away"));
    QString labelName = objectName.toString();
    labelName.replace(QLatin1String("Field"), QLatin1String("Label"));
    QLabel* label = makeLabel(parent, labelName, caption, accessibleName);
    label->setBuddy(field);
    form->addRow(label, field);
    return field;
}

} // namespace

TieResultDialog::TieResultDialog(const QString& tieName, const QString& first, const QString& second, int legs,
                                 bool awayGoals, const std::optional<TieResult>& current, QWidget* parent)
    : QDialog(parent)
    , m_awayGoals(awayGoals)
{
    setObjectName(QStringLiteral("tieResultDialog"));
    setWindowTitle(kTitle);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    QLabel* heading = makeLabel(this, "tieLabel", QStringLiteral("%1: %2 v %3").arg(tieName, first, second));
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const auto scoreOf = [&](int game) {
        return current && game < current->legs.size() ? std::optional<GameScore>(current->legs[game]) : std::nullopt;
    };
    if (legs == 1) {
        const QString game = QStringLiteral("%1 v %2").arg(first, second);
        m_legFields.append(addScoreField(this, form, "firstLegField", QStringLiteral("&Full time, %1:").arg(game),
                                         QStringLiteral("Full-time score, %1").arg(game), scoreOf(0)));
    } else {
        const QString firstGame = QStringLiteral("%1 v %2").arg(first, second);
        const QString secondGame = QStringLiteral("%1 v %2").arg(second, first);
        m_legFields.append(addScoreField(this, form, "firstLegField", QStringLiteral("&First leg, %1:").arg(firstGame),
                                         QStringLiteral("First leg score, %1").arg(firstGame), scoreOf(0)));
        m_legFields.append(addScoreField(this, form, "secondLegField",
                                         QStringLiteral("&Second leg, %1:").arg(secondGame),
                                         QStringLiteral("Second leg score, %1").arg(secondGame), scoreOf(1)));
    }
    m_extraTimeField = addScoreField(this, form, "extraTimeField", QStringLiteral("After &extra time:"),
                                     QStringLiteral("Score after extra time, that game's total"),
                                     current ? current->extraTime : std::nullopt);
    m_penaltiesField = addScoreField(this, form, "penaltiesField", QStringLiteral("&Penalties:"),
                                     QStringLiteral("Penalty shoot-out"), current ? current->penalties : std::nullopt);
    QLabel* hint = makeLabel(this, "hintLabel",
                             QStringLiteral("Scores are the home team's goals first, as in \"2-1\". Extra time and "
                                            "penalties belong to the last game; leave them empty when not played."));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = makeButton(this, "okButton", QStringLiteral("&OK"), QStringLiteral("OK"));
    QPushButton* cancel = makeButton(this, "cancelButton", QStringLiteral("&Cancel"), QStringLiteral("Cancel"));
    m_clearButton = makeButton(this, "clearButton", QStringLiteral("C&lear Result"), QStringLiteral("Clear Result"));
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_clearButton, QDialogButtonBox::ResetRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    m_clearButton->setVisible(current.has_value());
    connect(buttons, &QDialogButtonBox::accepted, this, &TieResultDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TieResultDialog::reject);
    connect(m_clearButton, &QPushButton::clicked, this, &TieResultDialog::clearResult);
    layout->addWidget(buttons);
    setMinimumWidth(std::max(sizeHint().width(), hint->fontMetrics().horizontalAdvance(hint->text()) / 2));
    heading->setWordWrap(true);
    adjustSize();
    centerWindow(this);
}

bool TieResultDialog::readScore(QLineEdit* field, bool required, std::optional<GameScore>* score)
{
    const QString text = field->text().trimmed();
    if (text.isEmpty() && !required) {
        score->reset();
        return true;
    }
    *score = readGameScore(text);
    if (*score)
        return true;
    Prompts::refuse(text.isEmpty()
                        ? QStringLiteral("Enter the %1 as the home team's goals, a dash and the away team's goals, "
                                         "such as 2-1.")
                              .arg(field->accessibleName().section(u',', 0, 0).toLower())
                        : QStringLiteral("\"%1\" is no score: type the home team's goals, a dash and the away "
                                         "team's goals, such as 2-1.")
                              .arg(text),
                    kTitle);
    field->setFocus();
    field->selectAll();
    return false;
}

void TieResultDialog::accept()
{
    TieResult result;
    // The first leg of a two-legged tie is entered once it is played, the second left empty.
    const bool firstLegOnly = m_legFields.size() == 2 && m_legFields[1]->text().trimmed().isEmpty();
    for (QLineEdit* field : std::as_const(m_legFields)) {
        std::optional<GameScore> score;
        if (firstLegOnly && field == m_legFields[1])
            break;
        if (!readScore(field, true, &score))
            return;
        result.legs.append(*score);
    }
    if (!readScore(m_extraTimeField, false, &result.extraTime)
        || !readScore(m_penaltiesField, false, &result.penalties))
        return;
    QString refusal;
    if (firstLegOnly && (result.extraTime || result.penalties)) {
        Prompts::refuse(QStringLiteral("Extra time and penalties belong to the second leg: enter its score too."),
                        kTitle);
        m_legFields[1]->setFocus();
        return;
    }
    if (!firstLegOnly && !decideTie(result, m_awayGoals, &refusal)) {
        Prompts::refuse(refusal, kTitle);
        return;
    }
    m_result = result;
    QDialog::accept();
}

void TieResultDialog::clearResult()
{
    m_result.reset();
    QDialog::accept();
}
