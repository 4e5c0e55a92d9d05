#pragma once

#include <QByteArray>
#include <QString>

// A report's text (lines separated by CR LF) as an RTF document: a fixed-pitch face at 10 points,
// one paragraph per line, "\", "{" and "}" escaped, every other character beyond ASCII as \uN with
// "?" for readers that know no Unicode. The document ends with CR LF.
QByteArray reportRtf(const QString& text);
