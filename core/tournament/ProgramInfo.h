#pragma once

#include <QString>

// The maker's web address: the About box shows it, and every report ends with it.
inline const QString kMakerWebAddress = QStringLiteral("https://www.veltrix.example/tabulon");
