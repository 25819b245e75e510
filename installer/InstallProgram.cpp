// The installer's one application object.
#include "installer/wizard/InstallApp.h"

static InstallApp theInstallApp;
