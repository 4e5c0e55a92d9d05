#pragma once

#include <QString>

// What extractField answers when the line has fewer fields than asked for.
inline const QString kNoData = QStringLiteral("$$$NODATA$$$");

// The n-th comma-separated field of `line`, n counting from 1, trimmed of blanks and then of one
// leading and one trailing double quote. Commas inside quotes still separate fields. There is no
// limit on the number of fields; n below 1 answers kNoData.
QString extractField(const QString& line, int n);
