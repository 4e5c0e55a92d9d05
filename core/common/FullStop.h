#pragma once

#include <QString>

// Every message ends with its full stop, also one that ends with a reason from elsewhere (the
// system's, the database engine's), which comes without one.
inline QString withFullStop(const QString& message)
{
    return message.endsWith(u'.') ? message : message + u'.';
}
