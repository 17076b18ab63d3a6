#pragma once

// The Windows API without its min/max macros and its rarely used parts, as
// every file of the program that calls the system on Windows includes it.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
