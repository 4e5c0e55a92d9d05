#pragma once

#include <QDate>
#include <QString>
#include <optional>

// A date typed by hand: "07-Mar-2000" and "2000-03-07" (as a file of results writes them), or day,
// month and year such as "3 Aug 2011", "3-Aug-2011" and "3 August 2011". Month names are English in
// any letter case, whatever the system's language; the year has four digits, from 0100 on, as a
// record date keeps it. Nothing for any other text.
std::optional<QDate> readTypedDate(const QString& text);
