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

QString title()
{
    return TieResultDialog::tr("Tie Result");
}

QLineEdit* addScoreField(QWidget* parent, QFormLayout* form, QAnyStringView objectName, const QString& caption,
                         const QString& accessibleName, const std::optional<GameScore>& score)
{
    QLineEdit* field = makeTextField(parent, objectName, score ? gameScoreText(*score) : QString(), accessibleName);
    field->setPlaceholderText(TieResultDialog::tr("home-away"));
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
    setWindowTitle(title());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    QLabel* heading = makeLabel(this, "tieLabel", tr("%1: %2 v %3").arg(tieName, first, second));
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    const auto scoreOf = [&](int game) {
        return current && game < current->legs.size() ? std::optional<GameScore>(current->legs[game]) : std::nullopt;
    };
    if (legs == 1) {
        const QString game = tr("%1 v %2").arg(first, second);
        m_legFields.append(addScoreField(this, form, "firstLegField", tr("&Full time, %1:").arg(game),
                                         tr("Full-time score, %1").arg(game), scoreOf(0)));
    } else {
        const QString firstGame = tr("%1 v %2").arg(first, second);
        const QString secondGame = tr("%1 v %2").arg(second, first);
        m_legFields.append(addScoreField(this, form, "firstLegField", tr("&First leg, %1:").arg(firstGame),
                                         tr("First leg score, %1").arg(firstGame), scoreOf(0)));
        m_legFields.append(addScoreField(this, form, "secondLegField", tr("&Second leg, %1:").arg(secondGame),
                                         tr("Second leg score, %1").arg(secondGame), scoreOf(1)));
    }
    m_extraTimeField
        = addScoreField(this, form, "extraTimeField", tr("After &extra time:"),
                        tr("Score after extra time, that game's total"), current ? current->extraTime : std::nullopt);
    m_penaltiesField = addScoreField(this, form, "penaltiesField", tr("&Penalties:"), tr("Penalty shoot-out"),
                                     current ? current->penalties : std::nullopt);
    QLabel* hint = makeLabel(this, "hintLabel",
                             tr("Scores are the home team's goals first, as in \"2-1\". Extra time and "
                                "penalties belong to the last game; leave them empty when not played."));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = makeButton(this, "okButton", tr("&OK"), tr("OK"));
    QPushButton* cancel = makeButton(this, "cancelButton", tr("&Cancel"), tr("Cancel"));
    m_clearButton = makeButton(this, "clearButton", tr("C&lear Result"), tr("Clear Result"));
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
    Prompts::refuse(text.isEmpty() ? tr("Enter the %1 as the home team's goals, a dash and the away team's goals, "
                                        "such as 2-1.")
                                         .arg(field->accessibleName().section(u',', 0, 0).toLower())
                                   : tr("\"%1\" is no score: type the home team's goals, a dash and the away "
                                        "team's goals, such as 2-1.")
                                         .arg(text),
                    title());
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
        Prompts::refuse(tr("Extra time and penalties belong to the second leg: enter its score too."), title());
        m_legFields[1]->setFocus();
        return;
    }
    if (!firstLegOnly && !decideTie(result, m_awayGoals, &refusal)) {
        Prompts::refuse(refusal, title());
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
