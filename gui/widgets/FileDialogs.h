#pragma once

#include <QCoreApplication>
#include <QString>

// Filters are written as description/pattern pairs, each followed by a NUL:
//   QStringLiteral("Tournament Files (*.trn)\0*.trn\0")  -- build them with fileFilter().
QString fileFilter(std::initializer_list<std::pair<QString, QString>> pairs);

// The same filter in the form Qt's file dialog takes: "Tournament Files (*.trn)".
QString qtFileFilter(const QString& nulSeparatedFilter);

// The extension of the filter's first pattern (".trn" for "*.trn"), or "" when it has none.
QString firstExtension(const QString& nulSeparatedFilter);

// The path with `extension` added when it has none of its own.
QString withExtension(const QString& path, const QString& extension);

// The open and save dialogs. Both start in the folder of the file last chosen (the user's
// documents folder the first time), never ask about overwriting (the callers do), and answer ""
// on cancel. A name typed in the save dialog without an extension gets the filter's first one.
inline QString openDialogTitle()
{
    return QCoreApplication::translate("MainWindow", "Open Tournament ... ");
}
QString showOpenDialog(const QString& filter, const QString& title = openDialogTitle());
QString showSaveDialog(const QString& title, const QString& filter);
// A folder, chosen or made in the dialog, from the same start; "" on cancel.
QString showFolderDialog(const QString& title);
