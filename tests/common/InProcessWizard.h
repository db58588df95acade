#pragma once
#include "WizardDriver.h"
#include <functional>

class CMyPropertySheet;

// Runs the real wizard sheet in the test process, modally on the calling
// thread as the program does, while `script` drives it from a second thread
// through a driver attached to this process. Seam fakes installed by the
// test (FakeSystem) are in force for the wizard. If the script ends with the
// sheet still open, the sheet is cancelled. `beforeDestroy`, when given, sees
// the sheet after it closed and before its destructor cleans up.
// Returns false when the sheet did not appear or did not close.
bool RunWizardInProcess(const std::function<void(WizardDriver&)>& script,
                        const std::function<void(CMyPropertySheet&)>& beforeDestroy = nullptr);
