#ifndef GLOBALS_H
#define GLOBALS_H

// Set while a production hardware test runs: the key filter then passes every key on.
extern bool g_hardwareTestActive;
// Loaded from the settings ("Debug"/"Debugfeatures"); 1 = debug features on.
extern int g_debugFeatures;

// The program's version, shown by the system information and written into every info.ini.
extern const char* const g_softwareVersion;

#endif // GLOBALS_H
