#pragma once

#include <QString>

// The program's few persistent settings: text values kept per user under the organisation
// `company` and the application `product` (on Linux ~/.config/<company>/<product>.conf).
// Failures are silent: a value that cannot be read, or is not text, reads as `defaultValue`;
// a write that fails is simply lost.
QString readSetting(const QString& company, const QString& product, const QString& valueName,
                    const QString& defaultValue);
void writeSetting(const QString& company, const QString& product, const QString& valueName, const QString& text);

// Blanks removed at both ends, then everything from the first NUL on dropped.
QString cutAtNul(const QString& text);

// The company and product the program always passes.
inline const QString kCompany = QStringLiteral("Veltrix");
inline const QString kProduct = QStringLiteral("Tabulon");
