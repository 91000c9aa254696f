#pragma once

#include <QString>

// Small stand-ins for the operating-system services the program was designed around.
// Everything that waits, asks the operator or reads the machine goes through here, so
// that tests can shorten time, answer dialogs and pretend to be another screen.
namespace platform {

// Length of one timer "second" in milliseconds: 1000 in the program, a few in tests.
int secondMs();
void setSecondMs(int ms);

// Let pending window messages run once, without waiting.
void pumpMessages();
// Let messages run, sleeping until at least one arrives (an idle wait costs no processor time).
void waitForMessages();

// The folder of the default configuration file (the settings' WindowsDir): the per-user
// configuration folder ($XDG_CONFIG_HOME/lectoscope, else ~/.config/lectoscope). Created
// when missing.
QString windowsDirectory();

// Platform name as the version query reports it. Never "Windows NT" here.
QString platformName();

// Ends the program at once with the given exit code. Tests install a hook that records
// the request instead, so that the caller's following steps can be checked.
void terminateProgram(int code = 0);
bool terminateRequested();
void setTerminateHook(void (*hook)(int code));
void resetTerminateRequest();

} // namespace platform
