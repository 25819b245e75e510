#pragma once
// Registers the framework's self-drawn control classes "ZTK3DBUTTON" and
// "ZTK3DSTATIC" for instance, before any window that uses them is created.
// Returns false if either registration fails.
#include "framework/core/Win32.h"

bool registerThreeDControls(HINSTANCE instance);
