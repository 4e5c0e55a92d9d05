// The windows in the user's language: run once under LANGUAGE=de and once under LANGUAGE=es. The
// translations load as at the program's start; menus, a message, a core message and the user guide come out
// translated, and no two access keys clash within a menu, the menu bar or a window.
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "core/knockout/TieResult.h"
#include "core/standings/WhyTexts.h"
#include "gui/group/GroupWindow.h"
#include "gui/knockout/KnockoutSetupDialog.h"
#include "gui/knockout/TieResultDialog.h"
#include "gui/main/MainWindow.h"
#include "gui/main/Translations.h"
#include "gui/reports/ReportWindow.h"
#include "gui/setup/TournamentDetailsDialog.h"
#include "gui/standings/PointsAdjustmentsDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

namespace {

struct Expected
{
    QString fileMenu;
    QString noTournament;
    QString negativeScore;
    QString guideHeading;
    QStringList gamesWon; // "1 game won", "2 games won" in a league table's reason, by the language's plural rule
};

// What each language must say; the language comes from the system, as at the program's start.
const QHash<QString, Expected> kExpected = {
    { QStringLiteral("de"),
      { QStringLiteral("&Datei"),
        QStringLiteral("Es ist kein Turnier geöffnet!"),
        QStringLiteral("Ein Ergebnis kann nicht negativ sein."),
        QStringLiteral("Ergebnisse eintragen"),
        { QStringLiteral("1 gewonnenes Spiel"), QStringLiteral("2 gewonnene Spiele") } } },
    { QStringLiteral("es"),
      { QStringLiteral("&Archivo"),
        QStringLiteral("¡No hay ningún torneo abierto!"),
        QStringLiteral("Un resultado no puede ser negativo."),
        QStringLiteral("Introducir resultados"),
        { QStringLiteral("1 partido ganado"), QStringLiteral("2 partidos ganados") } } },
};

// The access key of a caption ("Sch&ließen" -> "l"), empty without one.
QString accessKey(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&')
                return text.mid(i + 1, 1).toLower();
            ++i;
        }
    }
    return QString();
}

// The captions in `texts` whose access key another caption already has.
QStringList clashes(const QStringList& texts)
{
    QHash<QString, QString> seen;
    QStringList clashing;
    for (const QString& text : texts) {
        const QString key = accessKey(text);
        if (key.isEmpty())
            continue;
        if (seen.contains(key))
            clashing.append(seen[key] + QStringLiteral(" / ") + text);
        seen.insert(key, text);
    }
    return clashing;
}

// The captions a window's buttons and labels show; hidden ones take no key.
QStringList captionsOf(const QWidget* window)
{
    QStringList texts;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window))
            texts.append(button->text());
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window) && label->buddy())
            texts.append(label->text());
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_language = installTranslations(QLocale::system(), QStringLiteral(TABULON_BUILD_FOLDER)).left(2);
        QVERIFY2(kExpected.contains(m_language),
                 qPrintable(QStringLiteral("no translation loaded for ") + QLocale::system().uiLanguages().join(u',')));
    }

    void menusAndMessagesAreTranslated()
    {
        MainWindow window;
        auto* fileMenu = window.findChild<QMenu*>(QStringLiteral("fileMenu"));
        QVERIFY(fileMenu);
        QCOMPARE(fileMenu->title(), kExpected[m_language].fileMenu);
        ScriptedPrompts prompts;
        prompts.expect(kExpected[m_language].noTournament);
        window.editPointsAdjustments();
        QVERIFY(prompts.allAnswered());
        // A message made in the core.
        QString refusal;
        QVERIFY(!decideTie(TieResult { { { -1, 0 } } }, false, &refusal));
        QCOMPARE(refusal, kExpected[m_language].negativeScore);
        for (const int won : { 1, 2 }) {
            const QVector<LeagueRow> rows { { QStringLiteral("A"), won, 0, 0, 0, 0, 0, 4 },
                                            { QStringLiteral("B"), won, 0, 0, 0, 0, 0, 3 } };
            const QString why = whyTexts(rows, { 4, 1 }, {}, {}).value(1);
            QVERIFY2(why.contains(kExpected[m_language].gamesWon[won - 1]), qPrintable(why));
        }
        // Help shows the guide written in the language.
        window.findChild<QAction*>(QStringLiteral("showHelpAction"))->trigger();
        auto* guide = window.findChild<QTextBrowser*>(QStringLiteral("helpText"));
        QVERIFY(guide);
        QVERIFY(guide->toPlainText().contains(kExpected[m_language].guideHeading));
    }

    void accessKeysAreUniqueInEachMenu()
    {
        MainWindow window;
        QStringList titles;
        for (const QAction* menu : window.menuBar()->actions())
            titles.append(menu->text());
        QVERIFY2(clashes(titles).isEmpty(), qPrintable(clashes(titles).join(u',')));
        for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            QStringList texts;
            for (const QAction* action : menu->actions())
                if (action->isVisible() && !action->isSeparator())
                    texts.append(action->text());
            QVERIFY2(clashes(texts).isEmpty(),
                     qPrintable(menu->title() + QStringLiteral(": ") + clashes(texts).join(u',')));
        }
    }

    void accessKeysAreUniqueInEachWindow()
    {
        TemporarySettings settings;
        MainWindow window;
        QVERIFY(window.openTournamentFile(QStringLiteral(TABULON_TEST_DATA "/two_groups.trn")));
        auto* group = window.findChild<GroupWindow*>();
        QVERIFY(group);
        QVERIFY(captionsOf(group).size() > 10);
        QVERIFY2(clashes(captionsOf(group)).isEmpty(), qPrintable(clashes(captionsOf(group)).join(u',')));

        TournamentDetailsDialog details;
        KnockoutSetupDialog knockout(4, [](const KnockoutSetup&, QString*) { return true; });
        TieResultDialog tie(QStringLiteral("QF1"), QStringLiteral("Ajax"), QStringLiteral("Porto"), 2, true,
                            std::nullopt);
        PointsAdjustmentsDialog adjustments(QStringLiteral("Group A"), { QStringLiteral("Ajax") }, {});
        ReportWindow report(QStringLiteral("Results"), ReportContent(), QString());
        for (QWidget* dialog : std::initializer_list<QWidget*> { &details, &knockout, &tie, &adjustments, &report })
            QVERIFY2(clashes(captionsOf(dialog)).isEmpty(),
                     qPrintable(dialog->objectName() + QStringLiteral(": ") + clashes(captionsOf(dialog)).join(u',')));
    }

private:
    QString m_language;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
