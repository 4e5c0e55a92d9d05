// File > Save and File > Open: the windows' side of the tournament file. The file itself is read,
// checked and written by model/TournamentFile.
#include "app/frmMain.h"
#include "group/frmGroup.h"
#include "model/Limits.h"
#include "model/Tournament.h"
#include "model/TournamentFile.h"
#include "ui/FileDialogs.h"
#include "ui/Prompts.h"

#include <QFileInfo>

namespace {

const QString kFileErrorTitle = QStringLiteral("File Input Error");

QString tournamentFilter()
{
    return fileFilter({ { QStringLiteral("Tournament Files (*.trn)"), QStringLiteral("*.trn") } });
}

} // namespace

void frmMain::mnuSave_Click()
{
    const QString path = ShowSaveDialog(QStringLiteral("Save Tournament ..."), tournamentFilter());
    if (path.isEmpty())
        return;

    // The name is remembered only when the file is new, so saving again over a file that existed
    // before asks again every time; saving to the remembered name never asks.
    QString fileName = Tournament.FileName;
    if (path != Tournament.FileName) {
        if (QFileInfo::exists(path)) {
            if (!Prompts::ask(QStringLiteral("File Exists.  Overwrite ?"), QStringLiteral("Save File"),
                              Prompts::Answer::No))
                return;
        } else {
            fileName = path;
        }
    }

    TournamentData data;
    data.title = windowTitle();
    static_cast<TournamentSettings&>(data) = Tournament;
    for (int g = 1; g <= Tournament.GroupCount; ++g) {
        // Each group's window comes to the front as its block is taken; the last one stays active.
        activateGroupWindow(g);
        const frmGroup* group = groupWindow(g);
        data.groups.append({ group->windowTitle(), group->teams(), group->storedLines(), group->adjustments() });
    }

    QString error;
    if (!saveTournamentFile(data, path, &error)) {
        Prompts::refuse(error, kFileErrorTitle);
        return;
    }
    Tournament.FileName = fileName;
    Tournament.Saved = true;
}

void frmMain::mnuOpen_Click()
{
    const QString path = ShowOpenDialog(tournamentFilter());
    if (path.isEmpty())
        return;
    if (Tournament.IsOpen && !CloseTournament())
        return;

    if (!QFileInfo::exists(path)) {
        Prompts::refuse(QStringLiteral("File Does Not Exist"), QStringLiteral("ERROR"));
        return;
    }
    // Everything is read and checked before a window is made, so a refused file leaves none behind.
    const TournamentReadResult read = readTournamentFile(path);
    if (!read.ok()) {
        Prompts::refuse(read.error, kFileErrorTitle);
        return;
    }
    const TournamentData& data = *read.data;

    setWindowTitle(data.title);
    static_cast<TournamentSettings&>(Tournament) = data;

    // Windows left by a New whose team entry was abandoned belong to no tournament: start afresh.
    for (int slot = 1; slot <= kMaxGroups; ++slot)
        unloadGroupWindow(slot);
    for (int g = 1; g <= data.GroupCount; ++g) {
        const TournamentGroupData& block = data.groups[g - 1];
        frmGroup* group = groupWindow(g);
        group->setTag(QString::number(g));
        group->setWindowTitle(block.caption);
        group->setTeams(block.teams);
        group->setStoredLines(block.recordLines);
        group->setAdjustments(block.adjustments);
        showGroupWindow(g);
    }

    Tournament.Saved = true;
    Tournament.IsOpen = true;
    Tournament.FileName = path;
    updateActions();
    if (!read.unreadable.isEmpty())
        Prompts::refuse(unreadableLinesMessage(read.unreadable), kFileErrorTitle);
}
