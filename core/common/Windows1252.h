#pragma once

#include <QByteArray>
#include <QString>

// Text decoding of the Windows-1252 code page, which files of the Windows edition and spreadsheets
// saved on Windows use (undefined bytes map to the C1 control of the same value).
QString decodeWindows1252(const QByteArray& bytes);
