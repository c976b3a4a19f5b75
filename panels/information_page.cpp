#include "panels/information_page.h"

#include "app/app_state.h"
#include "app/strings.h"
#include "draw/animated_illustration.h"
#include "monitor/active_monitor.h"
#include "panels/information_text.h"
#include "resources/resource_ids.h"

namespace {

// The driver's name the page shows when the library can't tell it, and
// while no monitor is open (the library is not asked then).
constexpr wchar_t kLibraryName[] = L"VESKOL";

MonitorInformation gatherInformation(ActiveMonitor* monitor, bool open) {
    MonitorInformation facts;
    facts.driver = kLibraryName;
    const MonitorIdentity* identity = open ? monitor->identity() : nullptr;
    if (!identity) {
        return facts;
    }
    facts.open = true;
    facts.model = fromUtf8(identity->modelName);
    facts.serial = fromUtf8(identity->serialText);
    facts.year = identity->yearOfManufacture;
    facts.week = identity->weekOfManufacture;
    facts.horizontalFrequency = identity->horizontalFrequency;
    facts.verticalFrequency = identity->verticalFrequency;
    facts.minHorizontalRate = identity->minHorizontalRate;
    facts.maxHorizontalRate = identity->maxHorizontalRate;
    facts.minVerticalRate = identity->minVerticalRate;
    facts.maxVerticalRate = identity->maxVerticalRate;
    facts.statusByte = monitor->statusByte();
    std::string driver;
    if (monitor->driverName(driver) == 0 && !driver.empty()) {
        facts.driver = fromUtf8(driver);
    }
    return facts;
}

// The help file by its full path, beside the program: the viewer resolves
// a plain name from the working folder or its registry, which a shortcut or
// a console elsewhere need not match.
std::wstring helpFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(app().instance, path.data(),
                                        static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    path.erase(path.find_last_of(L"\\/") + 1);  // npos + 1: no folder at all
    return path + loadString(IDS_HELP_FILE);
}

}  // namespace

void InformationPage::onInit() {
    createControl(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY, kCtlInformationText,
                  5, 20, 183, 160);
    createMonitorPicture();
    createControl(L"BUTTON", loadString(IDS_MAKER_NAME).c_str(),
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kCtlWebPageButton, 10, 200,
                  170, 24);
    createControl(L"BUTTON", loadString(IDS_HELP_BUTTON).c_str(),
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kCtlHelpButton, 190, 200, 170,
                  24);
    startIllustrationTimer();
    rebuildText();
    attachPageHints(kTextBaseMain);
}

void InformationPage::onRefresh() {
    rebuildText();
    attachPageHints(kTextBaseMain);
}

bool InformationPage::onCommand(int id, int notification) {
    if (notification != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case kCtlWebPageButton:
            app().openInShell(window(), loadString(IDS_MAKER_WEB_ADDRESS).c_str());
            return true;
        case kCtlHelpButton:
            app().showHelpFile(window(), helpFilePath().c_str());
            return true;
        default:
            return false;
    }
}

void InformationPage::onPictureChanged() {
    InvalidateRect(window(), nullptr, TRUE);
}

void InformationPage::rebuildText() {
    // The about illustration starts again from its first frame.
    if (AnimatedIllustration* illustration = app().illustration) {
        illustration->setItem(monitorBusy() ? kIllustrationReadingSettings : kIllustrationAbout);
        illustration->freeFrames();
    }
    const std::wstring text = informationText(gatherInformation(monitor(), monitorOpen()));
    SetDlgItemTextW(window(), kCtlInformationText, text.c_str());
}
