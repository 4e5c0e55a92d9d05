#include "core/reports/ReportRtf.h"

#include <QStringList>

QByteArray reportRtf(const QString& text)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n"
                     "\\uc1\\pard\\f0\\fs20 ";
    rtf.reserve(rtf.size() + text.size() + text.size() / 8 + 8);
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if (unit == u'\r')
            continue;
        if (unit == u'\n')
            rtf += "\\par\r\n";
        else if (unit == u'\\' || unit == u'{' || unit == u'}')
            rtf += QByteArray(1, '\\') + char(unit);
        else if (unit == u'\t')
            rtf += "\\tab ";
        else if (unit < 0x80)
            rtf += char(unit);
        else // RTF reads N as a signed 16-bit number; a character beyond 16 bits is its two surrogates
            rtf += "\\u" + QByteArray::number(qint16(unit)) + '?';
    }
    rtf += "\\par\r\n}\r\n";
    return rtf;
}
