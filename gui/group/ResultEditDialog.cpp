#include "gui/group/ResultEditDialog.h"

#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"
#include "gui/widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace {

// The columns are those of the group window's entry fields, so the two read alike.
constexpr int kNameLeft = 360;
constexpr int kNameWidth = 2655;
constexpr int kHalfTimeLeft = 3120;
constexpr int kFullTimeLeft = 3720;
constexpr int kScoreWidth = 375;
constexpr int kButtonLeft = 4200;
constexpr int kButtonWidth = 1095;

constexpr int kLabelTop = 120;
constexpr int kLabelHeight = 255;
constexpr int kHomeTop = 480;
constexpr int kAwayTop = 900;
constexpr int kFieldHeight = 285;
constexpr int kOkTop = 480;
constexpr int kCancelTop = 960;
constexpr int kButtonHeight = 375;

constexpr int kFormWidth = kButtonLeft + kButtonWidth + 240;
constexpr int kFormHeight = kCancelTop + kButtonHeight + 240;

} // namespace

ResultEditDialog::ResultEditDialog(const GroupRecords::ResultEdit& item, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dateText(item.dateText)
{
    setObjectName(QStringLiteral("resultEditDialog"));
    setWindowTitle(tr("Edit Result"));
    setModal(true);
    buildControls();
    showItem(item);
    centerWindow(this);
}

QLineEdit* ResultEditDialog::addField(QAnyStringView objectName, const QString& accessibleName, int left, int top,
                                      int width)
{
    QLineEdit* field = makeTextField(this, objectName, QString(), accessibleName);
    placeInTwips(field, left, top, width, kFieldHeight);
    return field;
}

void ResultEditDialog::buildControls()
{
    const auto addLabel = [this](QAnyStringView objectName, const QString& caption, const QString& accessibleName,
                                 int left, int width) {
        QLabel* label = makeLabel(this, objectName, caption, accessibleName);
        placeInTwips(label, left, kLabelTop, width, kLabelHeight);
        return label;
    };
    m_teamsLabel = addLabel("teamsLabel", tr("Teams"), tr("Teams column"), kNameLeft, 735);
    m_halfTimeLabel = addLabel("halfTimeLabel", tr("HT"), tr("Half-time column"), kHalfTimeLeft, kScoreWidth);
    m_fullTimeLabel = addLabel("fullTimeLabel", tr("FT"), tr("Full-time column"), kFullTimeLeft, kScoreWidth);

    // Created row by row so that Tab runs home half-time, home full-time, away half-time, away full-time.
    m_homeTeamField = addField("homeTeamField", tr("Home team"), kNameLeft, kHomeTop, kNameWidth);
    m_homeHalfTimeField
        = addField("homeHalfTimeField", tr("Home half-time score"), kHalfTimeLeft, kHomeTop, kScoreWidth);
    m_homeFullTimeField
        = addField("homeFullTimeField", tr("Home full-time score"), kFullTimeLeft, kHomeTop, kScoreWidth);
    m_awayTeamField = addField("awayTeamField", tr("Away team"), kNameLeft, kAwayTop, kNameWidth);
    m_awayHalfTimeField
        = addField("awayHalfTimeField", tr("Away half-time score"), kHalfTimeLeft, kAwayTop, kScoreWidth);
    m_awayFullTimeField
        = addField("awayFullTimeField", tr("Away full-time score"), kFullTimeLeft, kAwayTop, kScoreWidth);
    for (QLineEdit* name : { m_homeTeamField, m_awayTeamField }) {
        name->setReadOnly(true);
        name->setFocusPolicy(Qt::NoFocus);
    }

    m_homeTeamNumberField = addField("homeTeamNumberField", tr("Home team number"), 0, 0, kScoreWidth);
    m_awayTeamNumberField = addField("awayTeamNumberField", tr("Away team number"), 0, 0, kScoreWidth);
    m_homeTeamNumberField->hide();
    m_awayTeamNumberField->hide();

    m_okButton = makeButton(this, QStringLiteral("okButton"), tr("&OK"), tr("OK"));
    placeInTwips(m_okButton, kButtonLeft, kOkTop, kButtonWidth, kButtonHeight);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &ResultEditDialog::confirm);

    m_cancelButton = makeButton(this, QStringLiteral("cancelButton"), tr("&Cancel"), tr("Cancel"));
    placeInTwips(m_cancelButton, kButtonLeft, kCancelTop, kButtonWidth, kButtonHeight);
    // In this dialog Enter presses whichever button has the focus.
    m_okButton->setAutoDefault(true);
    m_cancelButton->setAutoDefault(true);
    connect(m_cancelButton, &QPushButton::clicked, this, &ResultEditDialog::cancel);

    setFixedSize(twipsToPixels(kFormWidth), twipsToPixels(kFormHeight));
}

void ResultEditDialog::showItem(const GroupRecords::ResultEdit& item)
{
    m_homeTeamNumberField->setText(item.homeNumber);
    m_awayTeamNumberField->setText(item.awayNumber);
    m_homeTeamField->setText(item.homeName);
    m_awayTeamField->setText(item.awayName);
    m_homeHalfTimeField->setText(item.scores[0]);
    m_awayHalfTimeField->setText(item.scores[1]);
    m_homeFullTimeField->setText(item.scores[2]);
    m_awayFullTimeField->setText(item.scores[3]);
    m_homeHalfTimeField->setFocus();
    m_homeHalfTimeField->selectAll();
}

void ResultEditDialog::confirm()
{
    // A score that is no whole number would be misread, so it is refused before anything is stored,
    // and the user corrects it.
    const std::array<QLineEdit*, 4> fields
        = { m_homeHalfTimeField, m_awayHalfTimeField, m_homeFullTimeField, m_awayFullTimeField };
    const QList<ScoreProblem> problems
        = resultScoreProblems({ m_homeHalfTimeField->text(), m_awayHalfTimeField->text(), m_homeFullTimeField->text(),
                                m_awayFullTimeField->text() });
    if (!problems.isEmpty()) {
        QLineEdit* score = fields[problems.first().field];
        Prompts::refuse(scoreRefusal(problems.first()), tr("ERROR"));
        score->setFocus();
        score->selectAll();
        return;
    }

    // The texts go in as typed: blanks around a score are kept.
    const QString record = completedResultLine(m_dateText,
                                               { m_homeHalfTimeField->text(), m_awayHalfTimeField->text(),
                                                 m_homeFullTimeField->text(), m_awayFullTimeField->text() },
                                               m_homeTeamNumberField->text(), m_awayTeamNumberField->text());
    // No returns to the scores as typed; only Cancel leaves the item as it was.
    if (!Prompts::ask(tr("Are you sure you want to make this change"), tr("Change Result")))
        return;
    m_result = record;
    accept();
}

void ResultEditDialog::cancel()
{
    m_result.reset();
    QDialog::reject();
}

void ResultEditDialog::reject()
{
    // Escape and the window's close box count as Cancel.
    cancel();
}
