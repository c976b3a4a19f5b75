#include "app/illustration_worker.h"

#include "app/app_state.h"
#include "draw/animated_illustration.h"

namespace {

// The handle of the last worker started, kept open by the user-interface
// thread so that anyone who read it from the shared state may still wait on
// it; closed when the next worker starts or when it is waited for.
HANDLE lastWorker = nullptr;

DWORD WINAPI illustrationWorkerMain(LPVOID) {
    app().illustrationRunning.store(1);
    if (AnimatedIllustration* illustration = app().illustration) {
        // Frames of a code that changes meanwhile are never ready: the next
        // tick renders the new code. Only the user-interface thread deletes
        // frames it may be showing.
        illustration->setLayout(app().illustrationStyle.load());
        (void)illustration->renderFrames(app().illustrationTarget.load());
    }
    // The handle goes first: once running is clear a new worker may start
    // and store its own.
    app().illustrationWorker.store(nullptr);
    app().illustrationRunning.store(0);
    return 0;
}

void closeLastWorker(bool wait) {
    if (!lastWorker) {
        return;
    }
    if (wait) {
        WaitForSingleObject(lastWorker, INFINITE);
    }
    CloseHandle(lastWorker);
    lastWorker = nullptr;
}

}  // namespace

void illustrationTick(HWND page) {
    AnimatedIllustration* illustration = app().illustration;
    if (!illustration) {
        return;
    }
    if (illustration->isReady()) {
        illustration->showNextFrame(page);
    } else if (!illustration->isBusy() && !app().illustrationRunning.load()) {
        startIllustrationWorker(page);
    }
}

void startIllustrationWorker(HWND target) {
    if (!app().illustration) {
        return;
    }
    // Running is set here already, so that no second worker can start
    // before the first one's thread is scheduled.
    int idle = 0;
    if (!app().illustrationRunning.compare_exchange_strong(idle, 1)) {
        return;
    }
    closeLastWorker(false);  // that worker has finished: running was clear
    app().illustrationTarget.store(target);
    HANDLE thread =
        CreateThread(nullptr, 0, illustrationWorkerMain, nullptr, CREATE_SUSPENDED, nullptr);
    if (!thread) {
        app().illustrationRunning.store(0);
        return;
    }
    lastWorker = thread;
    app().illustrationWorker.store(thread);
    ResumeThread(thread);
}

void waitForIllustrationWorker() {
    closeLastWorker(true);
}

void showWaitIllustration(HWND target) {
    AnimatedIllustration* illustration = app().illustration;
    if (!illustration) {
        return;
    }
    illustration->setItem(kIllustrationReadingSettings);
    // A rendering under way sees the new code and throws its frames away.
    waitForIllustrationWorker();
    illustration->freeFrames();
    (void)illustration->renderFrames(target);
    illustration->showNextFrame(target);
}
