// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/page_listener.h"

#include <emscripten/bind.h>

namespace velmora::web {

using emscripten::val;

// What the page calls, as handleEvent.
struct PageCallback {
  std::function<void(val)> handler;

  void HandleEvent(val event) {
    if (handler) handler(std::move(event));
  }
};

PageListener::PageListener(std::function<void(val event)> handler)
    : callback_(std::make_shared<PageCallback>(PageCallback{std::move(handler)})),
      listener_(callback_),
      function_(listener_["handleEvent"].call<val>("bind", listener_, val::undefined())) {}

PageListener::~PageListener() { callback_->handler = nullptr; }

void PageListener::Listen(const val& target, const char* type, bool passive) const {
  val options = val::object();
  options.set("passive", passive);
  target.call<void>("addEventListener", val(type), listener_, options);
}

PageTimer::PageTimer(std::function<void()> handler)
    : listener_([this, handler = std::move(handler)](val) {
        id_ = 0;
        handler();
      }) {}

void PageTimer::Start(int milliseconds) {
  Stop();
  id_ = val::global("setTimeout")(listener_.as_function(), milliseconds).as<int>();
}

void PageTimer::Stop() {
  if (id_ != 0) val::global("clearTimeout")(id_);
  id_ = 0;
}

EMSCRIPTEN_BINDINGS(velmora_page_listener) {
  emscripten::class_<PageCallback>("PageCallback")
      .smart_ptr<std::shared_ptr<PageCallback>>("PageCallbackHandle")
      .function("handleEvent", &PageCallback::HandleEvent);
}

}  // namespace velmora::web
