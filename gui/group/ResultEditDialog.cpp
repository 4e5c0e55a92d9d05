#include "gui/group/ResultEditDialog.h"

#include "core/tournament/Tournament.h"
#include "gui/widgets/CenterForm.h"
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

frmEditFixture::frmEditFixture(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmEditFixture"));
    setWindowTitle(QStringLiteral("Edit Result"));
    setModal(true);
    buildControls();
    Form_Load();
}

QLineEdit* frmEditFixture::addField(const QString& name, const QString& accessibleName, int left, int top, int width)
{
    QLineEdit* field = makeTextField(this, name, QString(), accessibleName);
    placeInTwips(field, left, top, width, kFieldHeight);
    return field;
}

void frmEditFixture::buildControls()
{
    const auto addLabel
        = [this](const QString& name, const QString& caption, const QString& accessibleName, int left, int width) {
              QLabel* label = makeLabel(this, name, caption, accessibleName);
              placeInTwips(label, left, kLabelTop, width, kLabelHeight);
              return label;
          };
    Label1 = addLabel("Label1", QStringLiteral("Teams"), QStringLiteral("Teams column"), kNameLeft, 735);
    Label2 = addLabel("Label2", QStringLiteral("HT"), QStringLiteral("Half-time column"), kHalfTimeLeft, kScoreWidth);
    Label3 = addLabel("Label3", QStringLiteral("FT"), QStringLiteral("Full-time column"), kFullTimeLeft, kScoreWidth);

    // Created row by row so that Tab runs home half-time, home full-time, away half-time, away full-time.
    txtHome = addField("txtHome", QStringLiteral("Home team"), kNameLeft, kHomeTop, kNameWidth);
    txtHomeHT = addField("txtHomeHT", QStringLiteral("Home half-time score"), kHalfTimeLeft, kHomeTop, kScoreWidth);
    txtHomeFT = addField("txtHomeFT", QStringLiteral("Home full-time score"), kFullTimeLeft, kHomeTop, kScoreWidth);
    txtAway = addField("txtAway", QStringLiteral("Away team"), kNameLeft, kAwayTop, kNameWidth);
    txtAwayHT = addField("txtAwayHT", QStringLiteral("Away half-time score"), kHalfTimeLeft, kAwayTop, kScoreWidth);
    txtAwayFT = addField("txtAwayFT", QStringLiteral("Away full-time score"), kFullTimeLeft, kAwayTop, kScoreWidth);
    for (QLineEdit* name : { txtHome, txtAway }) {
        name->setReadOnly(true);
        name->setFocusPolicy(Qt::NoFocus);
    }

    txtHomeNumber = addField("txtHomeNumber", QStringLiteral("Home team number"), 0, 0, kScoreWidth);
    txtAwayNumber = addField("txtAwayNumber", QStringLiteral("Away team number"), 0, 0, kScoreWidth);
    txtHomeNumber->hide();
    txtAwayNumber->hide();

    cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), QStringLiteral("OK"));
    placeInTwips(cmdOK, kButtonLeft, kOkTop, kButtonWidth, kButtonHeight);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmEditFixture::cmdOK_Click);

    cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), QStringLiteral("Cancel"));
    placeInTwips(cmdCancel, kButtonLeft, kCancelTop, kButtonWidth, kButtonHeight);
    // In this dialog Enter presses whichever button has the focus.
    cmdOK->setAutoDefault(true);
    cmdCancel->setAutoDefault(true);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditFixture::cmdCancel_Click);

    setFixedSize(twipsToPixels(kFormWidth), twipsToPixels(kFormHeight));
}

void frmEditFixture::Form_Load()
{
    CenterForm(this);
}

void frmEditFixture::setItem(const GroupRecords::ResultEdit& item)
{
    txtHomeNumber->setText(item.homeNumber);
    txtAwayNumber->setText(item.awayNumber);
    txtHome->setText(item.homeName);
    txtAway->setText(item.awayName);
    txtHomeHT->setText(item.scores[0]);
    txtAwayHT->setText(item.scores[1]);
    txtHomeFT->setText(item.scores[2]);
    txtAwayFT->setText(item.scores[3]);
    txtHomeHT->setFocus();
    txtHomeHT->selectAll();
}

void frmEditFixture::cmdOK_Click()
{
    // A score that is no whole number would be misread, so it is refused before anything is stored,
    // and the user corrects it.
    const std::array<QLineEdit*, 4> fields = { txtHomeHT, txtAwayHT, txtHomeFT, txtAwayFT };
    const QList<ScoreProblem> problems
        = resultScoreProblems({ txtHomeHT->text(), txtAwayHT->text(), txtHomeFT->text(), txtAwayFT->text() });
    if (!problems.isEmpty()) {
        QLineEdit* score = fields[problems.first().field];
        Prompts::refuse(scoreRefusal(problems.first()), QStringLiteral("ERROR"));
        score->setFocus();
        score->selectAll();
        return;
    }

    // The texts go in as typed: blanks around a score are kept.
    const QString record = completedResultLine(
        EditedRecord, { txtHomeHT->text(), txtAwayHT->text(), txtHomeFT->text(), txtAwayFT->text() },
        txtHomeNumber->text(), txtAwayNumber->text());
    // No returns to the scores as typed; only Cancel leaves the item as it was.
    if (!Prompts::ask(QStringLiteral("Are you sure you want to make this change"), QStringLiteral("Change Result")))
        return;
    EditedRecord = record;
    Tournament.Saved = false;
    accept();
}

void frmEditFixture::cmdCancel_Click()
{
    EditedRecord.clear();
    QDialog::reject();
}

void frmEditFixture::reject()
{
    // Escape and the window's close box count as Cancel.
    cmdCancel_Click();
}
