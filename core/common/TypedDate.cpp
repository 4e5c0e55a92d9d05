#include "core/common/TypedDate.h"

#include <QLocale>

std::optional<QDate> readTypedDate(const QString& text)
{
    static const char* const kFormats[] = { "d-MMM-yyyy", "yyyy-M-d", "d MMM yyyy", "d-MMMM-yyyy", "d MMMM yyyy" };
    const QString typed = text.simplified();
    for (const char* format : kFormats) {
        // The C locale reads the English month names under any system language.
        const QDate date = QLocale::c().toDate(typed, QLatin1String(format));
        if (date.isValid() && date.year() >= 100 && date.year() <= 9999)
            return date;
    }
    return std::nullopt;
}
