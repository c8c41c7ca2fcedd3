#ifndef LUMETRIX_FRAMEWORK_ERRORCAPTION_H
#define LUMETRIX_FRAMEWORK_ERRORCAPTION_H

// The caption of every message box that reports a fault or asks before an action that cannot be
// undone.
constexpr const char* kErrorCaption = "Fehler";

#endif
