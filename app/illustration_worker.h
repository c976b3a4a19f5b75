// Rendering the illustration in the background, and the pages' part in it.
// Every 200 ms a page's timer calls illustrationTick: a ready illustration
// plays its next frame; otherwise, when no rendering is under way, the
// illustration worker renders the frames for that page on its own thread.
// Before a command that keeps the user-interface thread busy, a page puts
// the wait message up at once with showWaitIllustration.
//
// Shared state (app_state.h): illustrationRunning is 1 from the start of a
// worker until it has finished; illustrationWorker holds its thread handle
// while it runs (the worker clears it; the handle itself stays open until
// the next worker starts or waitForIllustrationWorker, so a waiter may test
// it at any time); illustrationTarget is the page it renders for;
// illustrationStyle the layout it applies first.
//
// All functions are for the user-interface thread.
#pragma once

#include "platform/win32.h"

// The page's timer tick: next frame when ready, else start the worker when
// the illustration is idle. Nothing happens without an illustration object.
void illustrationTick(HWND page);

// Starts the worker for `target` unless one is running: it applies the
// current layout style, renders the frames (those of a code that changed
// meanwhile never become ready), and then clears the running flag and the
// handle.
void startIllustrationWorker(HWND target);

// Waits until a worker started by startIllustrationWorker has ended.
void waitForIllustrationWorker();

// Shows the wait message (code -5) on `target` at once: waits for a running
// worker, renders the message frames on this thread and draws the first one.
void showWaitIllustration(HWND target);
