#include "app/storing.h"

#include "app/app_state.h"
#include "app/strings.h"
#include "monitor/active_monitor.h"
#include "resources/resource_ids.h"

bool storeOnUsersWord(ActiveMonitor& monitor, HWND owner) {
    if (monitor.storeSettings() == 0) {
        return true;
    }
    (void)app().ask(owner, loadString(IDS_STORE_FAILED).c_str(), L"Lumetra",
                    MB_ICONWARNING | MB_OK);
    return false;
}

bool storeBeforeSwitch(ActiveMonitor& monitor, HWND comboBox) {
    if (storeOnUsersWord(monitor, app().mainWindow)) {
        return true;
    }
    const LRESULT rows = SendMessageW(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < rows; ++row) {
        if (SendMessageW(comboBox, CB_GETITEMDATA, static_cast<WPARAM>(row), 0) ==
            monitor.interfaceIndex()) {
            SendMessageW(comboBox, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        }
    }
    return false;
}
