#pragma once

#ifdef Q_OS_WIN
#include <QtCore/qt_windows.h>
#endif

// Whether the program runs under Wine rather than Windows: the only place where a case meets
// a shortcoming of Wine's own (see the README, "On Windows").
inline bool runsUnderWine()
{
#ifdef Q_OS_WIN
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}
