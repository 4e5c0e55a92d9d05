#include "gui/knockout/KnockoutSetupDialog.h"

#include "core/knockout/KnockoutTemplate.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/DateField.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString title()
{
    return KnockoutSetupDialog::tr("Set Up Knockout Stage");
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& objectName, const QString& caption,
                        const QString& accessibleName)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    return box;
}

// The bracket size of the entrants; 0 when it cannot be told.
int bracketSizeOf(const KnockoutSetup& setup, int groupCount)
{
    switch (setup.entrants) {
    case KnockoutSetup::Entrants::Template: {
        const std::optional<KnockoutTemplate> places = readKnockoutTemplate(setup.file, nullptr);
        return places ? bracketSize(int(places->places.size())) : 0;
    }
    case KnockoutSetup::Entrants::SeededList: {
        const std::optional<QVector<KnockoutTeam>> teams = readSeededList(setup.file, nullptr);
        return teams ? bracketSize(int(teams->size())) : 0;
    }
    case KnockoutSetup::Entrants::SeededDraw:
        return bracketSize(2 * groupCount);
    }
    return 0;
}

} // namespace

KnockoutSetupDialog::KnockoutSetupDialog(int groupCount, Check check, QWidget* parent)
    : QDialog(parent)
    , m_groupCount(groupCount)
    , m_check(std::move(check))
{
    setObjectName(QStringLiteral("knockoutSetupDialog"));
    setWindowTitle(title());
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* entrants = new QGroupBox(tr("Entrants"), this);
    entrants->setObjectName(QStringLiteral("entrantsGroup"));
    auto* entrantsLayout = new QGridLayout(entrants);
    int entrantsRow = 0;
    for (const KnockoutFormat format : knockoutFormatsFor(groupCount)) {
        QRadioButton* button = nullptr;
        if (format == KnockoutFormat::WinnersAgainstRunnersUp)
            button = makeOption(entrants, "winnersRunnersUpButton",
                                tr("Group winners against r&unners-up (1A v 2B, 1B v 2A)"),
                                tr("Group winners against runners-up"));
        else if (format == KnockoutFormat::BestThirds)
            button = makeOption(entrants, "bestThirdsButton", tr("Round of 1&6 with the four best third-placed teams"),
                                tr("Round of 16 with the four best third-placed teams"));
        else
            button = makeOption(entrants, "seededDrawButton",
                                tr("Seeded d&raw: winners, then runners-up, ranked across the groups"),
                                tr("Seeded draw from the group tables"));
        m_formatButtons.insert(format, button);
        entrantsLayout->addWidget(button, entrantsRow++, 0, 1, 3);
        connect(button, &QRadioButton::toggled, this, &KnockoutSetupDialog::showRounds);
    }
    m_typedListButton = makeOption(entrants, "typedListButton", tr("Seeded list t&yped here, best seed first:"),
                                   tr("Seeded list typed here"));
    m_typedListField = new QPlainTextEdit(entrants);
    m_typedListField->setObjectName(QStringLiteral("typedListField"));
    m_typedListField->setAccessibleName(tr("Seeded teams, one a line"));
    m_typedListField->setTabChangesFocus(true);
    m_typedListField->setFixedHeight(m_typedListField->fontMetrics().lineSpacing() * 5);
    entrantsLayout->addWidget(m_typedListButton, entrantsRow++, 0, 1, 3);
    entrantsLayout->addWidget(m_typedListField, entrantsRow++, 0, 1, 3);
    connect(m_typedListButton, &QRadioButton::toggled, this, &KnockoutSetupDialog::showRounds);
    connect(m_typedListField, &QPlainTextEdit::textChanged, this, [this] {
        m_typedListButton->setChecked(true);
        showRounds();
    });
    m_templateButton = makeOption(entrants, "templateButton", tr("&Template of the first round (tie,home,away)"),
                                  tr("Template of the first round"));
    m_seededListButton
        = makeOption(entrants, "seededListButton", tr("Seeded &list of teams (team)"), tr("Seeded list of teams"));
    m_fileField = makeTextField(entrants, "fileField", QString(), tr("File"));
    QLabel* fileLabel = makeLabel(entrants, "fileLabel", tr("&File:"), tr("File"));
    fileLabel->setBuddy(m_fileField);
    QPushButton* browseButton = makeButton(entrants, "browseButton", tr("&Browse..."), tr("Browse for the file"));
    entrantsLayout->addWidget(m_templateButton, entrantsRow, 0, 1, 3);
    entrantsLayout->addWidget(m_seededListButton, entrantsRow + 1, 0, 1, 3);
    entrantsLayout->addWidget(fileLabel, entrantsRow + 2, 0);
    entrantsLayout->addWidget(m_fileField, entrantsRow + 2, 1);
    entrantsLayout->addWidget(browseButton, entrantsRow + 2, 2);
    layout->addWidget(entrants);
    connect(browseButton, &QPushButton::clicked, this, &KnockoutSetupDialog::browse);
    connect(m_fileField, &QLineEdit::editingFinished, this, &KnockoutSetupDialog::showRounds);
    connect(m_fileField, &QLineEdit::textEdited, this, &KnockoutSetupDialog::chooseFile);
    connect(m_templateButton, &QRadioButton::toggled, this, &KnockoutSetupDialog::showRounds);
    connect(m_seededListButton, &QRadioButton::toggled, this, &KnockoutSetupDialog::showRounds);

    // Two columns of rounds keep the dialog short enough for a small screen.
    auto* rounds = new QGroupBox(tr("Rounds played in two legs"), this);
    rounds->setObjectName(QStringLiteral("roundsGroup"));
    auto* roundsLayout = new QGridLayout(rounds);
    int row = 0;
    for (int size = kMaximumEntrants, index = 0; size >= 2; size /= 2, ++index) {
        QCheckBox* box = makeCheckBox(rounds, QStringLiteral("twoLegsBox%1").arg(size), shownRoundName(size),
                                      shownRoundName(size) + tr(": two legs"));
        row = index / 2;
        roundsLayout->addWidget(box, row, index % 2);
        m_twoLegsBoxes.insert(size, box);
    }
    ++row;
    m_thirdPlaceBox
        = makeCheckBox(rounds, QStringLiteral("thirdPlaceBox"), tr("T&hird-place match"), tr("Third-place match"));
    m_awayGoalsBox = makeCheckBox(rounds, QStringLiteral("awayGoalsBox"), tr("&Away goals count in two-legged ties"),
                                  tr("Away goals count in two-legged ties"));
    roundsLayout->addWidget(m_thirdPlaceBox, row, 0);
    roundsLayout->addWidget(m_awayGoalsBox, row + 1, 0, 1, 2);
    layout->addWidget(rounds);

    auto* dates = new QGroupBox(tr("Dates"), this);
    dates->setObjectName(QStringLiteral("datesGroup"));
    auto* datesLayout = new QGridLayout(dates);
    m_datedBox = makeCheckBox(dates, QStringLiteral("datedBox"), tr("&Dated, the first games on:"), tr("Dated"));
    // Typed in any of the forms a date is written in, or picked from its calendar.
    m_startDateField = new DateField(dates, "startDateField", tr("Start date"));
    m_startDateField->setDate(QDate::currentDate());
    m_gapField = new QSpinBox(dates);
    m_gapField->setObjectName(QStringLiteral("gapField"));
    m_gapField->setAccessibleName(tr("Days between rounds"));
    m_gapField->setRange(1, 60);
    m_gapField->setValue(4);
    QLabel* gapLabel = makeLabel(dates, "gapLabel", tr("Days bet&ween rounds:"));
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
    QPushButton* ok = makeButton(this, "okButton", tr("&OK"), tr("OK"));
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(makeButton(this, "cancelButton", tr("&Cancel"), tr("Cancel")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &KnockoutSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KnockoutSetupDialog::reject);
    layout->addWidget(buttons);
    // A format ready made is the likeliest choice; without one, a template.
    (m_formatButtons.isEmpty() ? m_templateButton : m_formatButtons.first())->setChecked(true);
    showRounds();
    adjustSize();
    centerWindow(this);
}

void KnockoutSetupDialog::browse()
{
    const QString path = showOpenDialog(fileFilter({ { tr("CSV Files (*.csv)"), QStringLiteral("*.csv") },
                                                     { tr("All Files (*.*)"), QStringLiteral("*.*") } }),
                                        tr("Knockout Entrants"));
    if (path.isEmpty())
        return;
    m_fileField->setText(path);
    chooseFile();
    showRounds();
}

void KnockoutSetupDialog::chooseFile()
{
    // A file named is a file meant, whatever was chosen before.
    if (!m_seededListButton->isChecked())
        m_templateButton->setChecked(true);
}

std::optional<KnockoutSetup> KnockoutSetupDialog::readEntrants(QString* error) const
{
    KnockoutSetup setup;
    if (m_typedListButton->isChecked()) {
        QStringList names;
        for (const QString& line : m_typedListField->toPlainText().split(u'\n')) {
            if (!line.trimmed().isEmpty())
                names.append(line.trimmed());
        }
        setup.entrants = KnockoutSetup::Entrants::SeededList;
        setup.file = seededListCsv(names);
        return setup;
    }
    for (auto format = m_formatButtons.cbegin(); format != m_formatButtons.cend(); ++format) {
        if (!format.value()->isChecked())
            continue;
        if (format.key() == KnockoutFormat::SeededDraw)
            setup.entrants = KnockoutSetup::Entrants::SeededDraw;
        else
            setup.file = format.key() == KnockoutFormat::BestThirds ? bestThirdsTemplate()
                                                                    : winnersAgainstRunnersUpTemplate(m_groupCount);
        return setup;
    }
    const QString path = m_fileField->text().trimmed();
    if (path.isEmpty()) {
        *error = tr("Choose the file of the template or the seeded list.");
        return std::nullopt;
    }
    const std::optional<QByteArray> file = readEntrantsFile(path, error);
    if (!file)
        return std::nullopt;
    setup.entrants
        = m_templateButton->isChecked() ? KnockoutSetup::Entrants::Template : KnockoutSetup::Entrants::SeededList;
    setup.file = *file;
    return setup;
}

void KnockoutSetupDialog::showRounds()
{
    QString error;
    const std::optional<KnockoutSetup> setup = readEntrants(&error);
    const int size = setup ? bracketSizeOf(*setup, m_groupCount) : 0;
    for (auto round = m_twoLegsBoxes.cbegin(); round != m_twoLegsBoxes.cend(); ++round)
        round.value()->setVisible(size == 0 || round.key() <= size);
}

void KnockoutSetupDialog::accept()
{
    QString error;
    std::optional<KnockoutSetup> entrants = readEntrants(&error);
    if (!entrants) {
        Prompts::refuse(error, title());
        m_fileField->setFocus();
        return;
    }
    KnockoutSetup setup = *entrants;
    for (auto round = m_twoLegsBoxes.cbegin(); round != m_twoLegsBoxes.cend(); ++round)
        if (round.value()->isChecked() && !round.value()->isHidden())
            setup.legs.insert(round.key(), 2);
    setup.thirdPlaceMatch = m_thirdPlaceBox->isChecked();
    setup.awayGoals = m_awayGoalsBox->isChecked();
    if (m_datedBox->isChecked()) {
        const std::optional<QDate> start = m_startDateField->takeDate(title());
        if (!start)
            return;
        setup.startDate = *start;
        setup.daysBetweenRounds = m_gapField->value();
    }
    QString refusal;
    if (!m_check(setup, &refusal)) {
        Prompts::refuse(refusal, title());
        return;
    }
    m_setup = setup;
    QDialog::accept();
}
