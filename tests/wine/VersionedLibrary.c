/* A library with a version resource (5.80.0.0) and one export: it stands for
   a newer library already installed where a payload goes. */
__declspec(dllexport) int PhasesProbe(void) { return 1; }
