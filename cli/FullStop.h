#pragma once

#include <QString>

// A refusal as the commands print it: every message ends with its full stop, also one that ends
// with a reason from elsewhere (the database engine's, the system's).
inline QString withFullStop(const QString& message)
{
    return message.endsWith(u'.') ? message : message + u'.';
}
