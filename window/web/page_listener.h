// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// A C++ function the page can call: as an event listener (the page calls the handleEvent of the
// object it is given) or as a plain function (timers). What the page holds shares the function
// with the listener; once the listener is gone, a call from the page does nothing.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <memory>

namespace velmora::web {

struct PageCallback;

class PageListener {
 public:
  explicit PageListener(std::function<void(emscripten::val event)> handler);
  ~PageListener();
  PageListener(const PageListener&) = delete;
  PageListener& operator=(const PageListener&) = delete;

  // The object to give addEventListener.
  const emscripten::val& listener() const { return listener_; }
  // A function that calls the handler (with no event), for setTimeout.
  const emscripten::val& as_function() const { return function_; }

  // target.addEventListener(type, this), passive unless the handler must be able to cancel the
  // event's default action (a key or a wheel turn that would scroll the page).
  void Listen(const emscripten::val& target, const char* type, bool passive = true) const;

 private:
  std::shared_ptr<PageCallback> callback_;
  emscripten::val listener_;
  emscripten::val function_;
};

// A one-shot timer over setTimeout.
class PageTimer {
 public:
  explicit PageTimer(std::function<void()> handler);
  ~PageTimer() { Stop(); }
  PageTimer(const PageTimer&) = delete;
  PageTimer& operator=(const PageTimer&) = delete;

  // Starts it again from now; a running timer is stopped first.
  void Start(int milliseconds);
  void Stop();

 private:
  PageListener listener_;
  int id_ = 0;
};

}  // namespace velmora::web
