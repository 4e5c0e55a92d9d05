#include "gui/knockout/KnockoutSetupDialog.h"

#include "core/knockout/KnockoutTemplate.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/DateField.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Set Up Knockout Stage");

QCheckBox* makeCheckBox(QWidget* parent, const QString& objectName, const QString& caption,
                        const QString& accessibleName)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    return box;
}

// The bracket size of the entrants in `bytes`; 0 when they cannot be told.
int bracketSizeOf(const QByteArray& bytes, bool isTemplate)
{
    if (isTemplate) {
        const std::optional<KnockoutTemplate> places = readKnockoutTemplate(bytes, nullptr);
        return places ? bracketSize(int(places->places.size())) : 0;
    }
    const std::optional<QVector<KnockoutTeam>> teams = readSeededList(bytes, nullptr);
    return teams ? bracketSize(int(teams->size())) : 0;
}

} // namespace

KnockoutSetupDialog::KnockoutSetupDialog(Check check, QWidget* parent)
    : QDialog(parent)
    , m_check(std::move(check))
{
    setObjectName(QStringLiteral("knockoutSetupDialog"));
    setWindowTitle(kTitle);
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* entrants = new QGroupBox(QStringLiteral("Entrants"), this);
    entrants->setObjectName(QStringLiteral("entrantsGroup"));
    auto* entrantsLayout = new QGridLayout(entrants);
    m_templateButton
        = makeOption(entrants, "templateButton", QStringLiteral("&Template of the first round (tie,home,away)"),
                     QStringLiteral("Template of the first round"));
    m_seededListButton = makeOption(entrants, "seededListButton", QStringLiteral("Seeded &list of teams (team)"),
                                    QStringLiteral("Seeded list of teams"));
    m_templateButton->setChecked(true);
    m_fileField = makeTextField(entrants, "fileField", QString(), QStringLiteral("File"));
    QLabel* fileLabel = makeLabel(entrants, "fileLabel", QStringLiteral("&File:"), QStringLiteral("File"));
    fileLabel->setBuddy(m_fileField);
    QPushButton* browseButton
        = makeButton(entrants, "browseButton", QStringLiteral("&Browse..."), QStringLiteral("Browse for the file"));
    entrantsLayout->addWidget(m_templateButton, 0, 0, 1, 3);
    entrantsLayout->addWidget(m_seededListButton, 1, 0, 1, 3);
    entrantsLayout->addWidget(fileLabel, 2, 0);
    entrantsLayout->addWidget(m_fileField, 2, 1);
    entrantsLayout->addWidget(browseButton, 2, 2);
    layout->addWidget(entrants);
    connect(browseButton, &QPushButton::clicked, this, &KnockoutSetupDialog::browse);
    connect(m_fileField, &QLineEdit::editingFinished, this, &KnockoutSetupDialog::showRounds);
    connect(m_templateButton, &QRadioButton::toggled, this, &KnockoutSetupDialog::showRounds);

    // Two columns of rounds keep the dialog short enough for a small screen.
    auto* rounds = new QGroupBox(QStringLiteral("Rounds played in two legs"), this);
    rounds->setObjectName(QStringLiteral("roundsGroup"));
    auto* roundsLayout = new QGridLayout(rounds);
    int row = 0;
    for (int size = kMaximumEntrants, index = 0; size >= 2; size /= 2, ++index) {
        QCheckBox* box = makeCheckBox(rounds, QStringLiteral("twoLegsBox%1").arg(size), roundName(size),
                                      roundName(size) + QStringLiteral(": two legs"));
        row = index / 2;
        roundsLayout->addWidget(box, row, index % 2);
        m_twoLegsBoxes.insert(size, box);
    }
    ++row;
    m_thirdPlaceBox = makeCheckBox(rounds, QStringLiteral("thirdPlaceBox"), QStringLiteral("T&hird-place match"),
                                   QStringLiteral("Third-place match"));
    m_awayGoalsBox
        = makeCheckBox(rounds, QStringLiteral("awayGoalsBox"), QStringLiteral("&Away goals count in two-legged ties"),
                       QStringLiteral("Away goals count in two-legged ties"));
    roundsLayout->addWidget(m_thirdPlaceBox, row, 0);
    roundsLayout->addWidget(m_awayGoalsBox, row + 1, 0, 1, 2);
    layout->addWidget(rounds);

    auto* dates = new QGroupBox(QStringLiteral("Dates"), this);
    dates->setObjectName(QStringLiteral("datesGroup"));
    auto* datesLayout = new QGridLayout(dates);
    m_datedBox = makeCheckBox(dates, QStringLiteral("datedBox"), QStringLiteral("&Dated, the first games on:"),
                              QStringLiteral("Dated"));
    // Typed in any of the forms a date is written in, or picked from its calendar.
    m_startDateField = new DateField(dates, "startDateField", QStringLiteral("Start date"));
    m_startDateField->setDate(QDate::currentDate());
    m_gapField = new QSpinBox(dates);
    m_gapField->setObjectName(QStringLiteral("gapField"));
    m_gapField->setAccessibleName(QStringLiteral("Days between rounds"));
    m_gapField->setRange(1, 60);
    m_gapField->setValue(4);
    QLabel* gapLabel = makeLabel(dates, "gapLabel", QStringLiteral("Days bet&ween rounds:"));
    gapLabel->setBuddy(m_gapField);
    datesLayout->addWidget(m_datedBox, 0, 0);
    datesLayout->addWidget(m_startDateField, 0, 1);
    datesLayout->addWidget(gapLabel, 0, 2);
    datesLayout->addWidget(m_gapField, 0, 3);
    layout->addWidget(dates);
    const auto enableDates = [this, gapLabel](bool dated) {
        m_startDateField->setEnabled(dated);
        m_gapField->setEnabled(dated);
        gapLabel->setEnabled(dated);
    };
    connect(m_datedBox, &QCheckBox::toggled, this, enableDates);
    enableDates(false);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = makeButton(this, "okButton", QStringLiteral("&OK"), QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(makeButton(this, "cancelButton", QStringLiteral("&Cancel"), QStringLiteral("Cancel")),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &KnockoutSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KnockoutSetupDialog::reject);
    layout->addWidget(buttons);
    showRounds();
    adjustSize();
    centerWindow(this);
}

void KnockoutSetupDialog::browse()
{
    const QString path = showOpenDialog(fileFilter({ { QStringLiteral("CSV Files (*.csv)"), QStringLiteral("*.csv") },
                                                     { QStringLiteral("All Files (*.*)"), QStringLiteral("*.*") } }),
                                        QStringLiteral("Knockout Entrants"));
    if (path.isEmpty())
        return;
    m_fileField->setText(path);
    showRounds();
}

void KnockoutSetupDialog::showRounds()
{
    QFile file(m_fileField->text().trimmed());
    const int size = !file.fileName().isEmpty() && file.open(QIODevice::ReadOnly)
        ? bracketSizeOf(file.readAll(), m_templateButton->isChecked())
        : 0;
    for (auto round = m_twoLegsBoxes.cbegin(); round != m_twoLegsBoxes.cend(); ++round)
        round.value()->setVisible(size == 0 || round.key() <= size);
}

void KnockoutSetupDialog::accept()
{
    const QString path = m_fileField->text().trimmed();
    if (path.isEmpty()) {
        Prompts::refuse(QStringLiteral("Choose the file of the template or the seeded list."), kTitle);
        m_fileField->setFocus();
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::refuse(QStringLiteral("The file %1 could not be read: %2.").arg(path, file.errorString()), kTitle);
        m_fileField->setFocus();
        return;
    }
    KnockoutSetup setup;
    setup.entrants
        = m_templateButton->isChecked() ? KnockoutSetup::Entrants::Template : KnockoutSetup::Entrants::SeededList;
    setup.file = file.readAll();
    for (auto round = m_twoLegsBoxes.cbegin(); round != m_twoLegsBoxes.cend(); ++round)
        if (round.value()->isChecked() && !round.value()->isHidden())
            setup.legs.insert(round.key(), 2);
    setup.thirdPlaceMatch = m_thirdPlaceBox->isChecked();
    setup.awayGoals = m_awayGoalsBox->isChecked();
    if (m_datedBox->isChecked()) {
        const std::optional<QDate> start = m_startDateField->takeDate(kTitle);
        if (!start)
            return;
        setup.startDate = *start;
        setup.daysBetweenRounds = m_gapField->value();
    }
    QString refusal;
    if (!m_check(setup, &refusal)) {
        Prompts::refuse(refusal, kTitle);
        return;
    }
    m_setup = setup;
    QDialog::accept();
}
