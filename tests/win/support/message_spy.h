// Shows a test every message that reaches a window, before the window's own
// procedure handles it; one spy at a time.
#pragma once

#include <functional>
#include <utility>

#include "platform/win32.h"

class MessageSpy {
  public:
    using Seen = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;
    MessageSpy(HWND window, Seen seen) : window_(window), seen_(std::move(seen)) {
        active_ = this;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&proc)));
    }
    ~MessageSpy() {
        if (IsWindow(window_)) {
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        }
        active_ = nullptr;
    }
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

  private:
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        active_->seen_(message, wParam, lParam);
        return CallWindowProcW(active_->original_, window, message, wParam, lParam);
    }
    static inline MessageSpy* active_ = nullptr;
    HWND window_;
    Seen seen_;
    WNDPROC original_ = nullptr;
};
