// Storing the settings on the user's word: OK, or Yes to the store question
// when switching monitors. A store the monitor did not take is told to the
// user instead of being passed over as done.
#pragma once

#include "platform/win32.h"

class ActiveMonitor;

// Stores the monitor's settings. When the monitor does not take them, says
// so in a message box over `owner` and returns false: nothing is put back,
// so the user can try again or cancel.
bool storeOnUsersWord(ActiveMonitor& monitor, HWND owner);

// Yes to the store question when switching monitors: stores as OK does.
// When the monitor does not take the settings, selects its own row of
// `comboBox` again and returns false: the switch does not happen.
bool storeBeforeSwitch(ActiveMonitor& monitor, HWND comboBox);
