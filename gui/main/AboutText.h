#pragma once

#include "core/tournament/ProgramInfo.h"

#include <QCoreApplication>
#include <QString>

// What the About box says beside the program's name.
inline QString aboutCredit()
{
    return QCoreApplication::translate("MainWindow", "Written by the Tabulon developers for clubs and leagues");
}
inline QString aboutRights()
{
    return QCoreApplication::translate("MainWindow", "Copyright (C) 2026 Veltrix. All rights reserved.");
}
inline const QString kAboutWebAddress = kMakerWebAddress;
