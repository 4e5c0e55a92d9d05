#include "group/frmEditFixture.h"

#include "app/Prompts.h"
#include "app/Twips.h"
#include "model/CenterForm.h"
#include "model/Tournament.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

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

QLineEdit* frmEditFixture::addField(const char* name, const QString& accessibleName, int left, int top, int width)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setGeometry(twipsRect(left, top, width, kFieldHeight));
    return field;
}

void frmEditFixture::buildControls()
{
    const auto addLabel
        = [this](const char* name, const QString& caption, const QString& accessibleName, int left, int width) {
              auto* label = new QLabel(caption, this);
              label->setObjectName(QLatin1String(name));
              label->setAccessibleName(accessibleName);
              label->setGeometry(twipsRect(left, kLabelTop, width, kLabelHeight));
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

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    cmdOK->setGeometry(twipsRect(kButtonLeft, kOkTop, kButtonWidth, kButtonHeight));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmEditFixture::cmdOK_Click);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAccessibleName(QStringLiteral("Cancel"));
    cmdCancel->setGeometry(twipsRect(kButtonLeft, kCancelTop, kButtonWidth, kButtonHeight));
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditFixture::cmdCancel_Click);

    setFixedSize(twipsToPixels(kFormWidth), twipsToPixels(kFormHeight));
}

void frmEditFixture::Form_Load()
{
    CenterForm(this);
}

void frmEditFixture::setItem(const QString& homeNumber, const QString& awayNumber, const QString& homeName,
                             const QString& awayName, const ScoreTexts& scores)
{
    txtHomeNumber->setText(homeNumber);
    txtAwayNumber->setText(awayNumber);
    txtHome->setText(homeName);
    txtAway->setText(awayName);
    txtHomeHT->setText(scores[0]);
    txtAwayHT->setText(scores[1]);
    txtHomeFT->setText(scores[2]);
    txtAwayFT->setText(scores[3]);
    txtHomeHT->setFocus();
    txtHomeHT->selectAll();
}

void frmEditFixture::cmdOK_Click()
{
    // A ":" would shift every later field of the stored line and a number beyond 16 bits cannot
    // be read back, so such a score is refused before anything is stored, and the user corrects it.
    for (QLineEdit* score : { txtHomeHT, txtAwayHT, txtHomeFT, txtAwayFT }) {
        const QString problem = scoreTextProblem(score->text());
        if (!problem.isEmpty()) {
            Prompts::refuse(problem, QStringLiteral("ERROR"));
            score->setFocus();
            score->selectAll();
            return;
        }
    }

    // The texts go in as typed: blanks around a score are kept.
    const QString record = EditedRecord + u':' + txtHomeHT->text() + u':' + txtAwayHT->text() + u':' + txtHomeFT->text()
        + u':' + txtAwayFT->text() + u':' + txtHomeNumber->text() + u':' + txtAwayNumber->text();
    if (Prompts::ask(QStringLiteral("Are you sure you want to make this change"), QStringLiteral("Change Result"))) {
        EditedRecord = record;
        Tournament.Saved = false;
    } else {
        EditedRecord.clear();
    }
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
