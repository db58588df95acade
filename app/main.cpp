#include "app/PatchWizardApp.h"

// The one application object; the framework's entry point runs it.
CPatchWizardApp theApp;
