#pragma once

#include <QString>

// Filters are written as description/pattern pairs, each followed by a NUL:
//   QStringLiteral("Tournament Files (*.trn)\0*.trn\0")  -- build them with fileFilter().
QString fileFilter(std::initializer_list<std::pair<QString, QString>> pairs);

// The same filter in the form Qt's file dialog takes: "Tournament Files (*.trn)".
QString qtFileFilter(const QString& nulSeparatedFilter);

// The open and save dialogs. Both start in the program folder every time, add no extension to a
// typed name, never ask about overwriting (the callers do), and answer "" on cancel.
QString ShowOpenDialog(const QString& filter);
QString ShowSaveDialog(const QString& title, const QString& filter);

inline const QString kOpenDialogTitle = QStringLiteral("Open Tournament ... ");
