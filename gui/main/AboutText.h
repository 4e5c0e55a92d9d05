#pragma once

#include "core/tournament/ProgramInfo.h"

#include <QString>

// What the About box says beside the program's name.
inline const QString kAboutCredit = QStringLiteral("Written by the Tabulon developers for clubs and leagues");
inline const QString kAboutRights = QStringLiteral("Copyright (C) 2026 Veltrix. All rights reserved.");
inline const QString kAboutWebAddress = kMakerWebAddress;
