#pragma once
#include <string>

// The value "Kestova" under the Run keys, which starts the program with Windows. The
// machine-wide key is the one used wherever it can be written; a program that is not run as
// administrator under User Account Control is refused it, and then the current user's key
// serves instead.
//
// For tests, TESSALOOM_REFUSE_MACHINE_RUN in the environment (any value but empty) makes every
// write and delete of the machine-wide value fail as refused, as it does under User Account
// Control; reading it is still allowed there.

// True when either value holds a non-empty string. A value of a non-string type raises
// ERegistryException "Invalid data type for 'Kestova'".
bool AutoStartRegistered();

// Where RegisterAutoStart put the value.
enum class TAutoStartPlace {
  Machine,      // the machine-wide key
  User,         // the machine-wide key refused it: the current user's key
  MachineKept,  // refused, but the machine-wide value is there already: left as it is
};

// Writes COMMAND as the value. Where the machine-wide value is (written or kept) the current
// user's value is removed, so that the program is not started twice. A failure other than a refusal raises
// ERegistryException "Failed to set data for 'Kestova'".
TAutoStartPlace RegisterAutoStart(const std::string& command);

// Removes both values; a value already gone is no failure. False when the machine-wide value
// is there and its removal was refused: the program will still start with Windows.
bool UnregisterAutoStart();
