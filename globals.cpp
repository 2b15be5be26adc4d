#include "globals.h"

bool g_hardwareTestActive = false;
int g_debugFeatures = 0;
const char* const g_softwareVersion = "1.8.0";
