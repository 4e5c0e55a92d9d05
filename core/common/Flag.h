#pragma once

#include <QtGlobal>

// A program-wide true/false flag. It keeps the values -1 (true) and 0 (false) that the
// tournament's flags have always held, while reading like a bool in code.
class Flag
{
public:
    constexpr Flag(bool on = false)
        : m_value(on ? -1 : 0)
    { }
    constexpr operator bool() const { return m_value != 0; }
    constexpr qint16 value() const { return m_value; }

private:
    qint16 m_value;
};
