#pragma once
// The one place that chooses between the real Windows headers and the small
// host layer that lets the window-free code build and run natively for tests.
#ifdef _WIN32
#include <windows.h>
#else
#include "framework/host/HostWin32.h"
#endif
