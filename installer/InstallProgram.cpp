// The installer's one application object.
#include "installer/InstallApp.h"

static InstallApp theInstallApp;
