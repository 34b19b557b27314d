// <windows.h> as the Win32 window's files include it, with the names it
// would otherwise take from the standard library (min, max) left alone.
// Note that it defines a function-like macro MAKEWORD.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
