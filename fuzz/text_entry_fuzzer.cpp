// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes, as text typed or pasted into `Text_T`, through the Change event on the
// recording window, and checks the window against the form model (window/tests/form_model.h),
// which reads the number independently: the temperature applied, the label showing it, the box
// holding the entry or its correction, every cell in its state there; and after a refused entry
// one message and nothing changed at all.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "window/tests/form_model.h"
#include "window/tests/recording_controls.h"

namespace {

// Bytes as UTF-16 code units one for one: only ASCII takes part in a number, and every other
// byte ends it, as any other character does.
std::u16string Units(const std::string& bytes) {
  std::u16string units;
  for (char c : bytes) units += static_cast<char16_t>(static_cast<unsigned char>(c));
  return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  RecordingControls window;
  window.Load();
  const std::string entry(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> message = window.Type(entry);
  const bool refused = message.has_value();

  FormModel model;
  model.Edit(Units(entry));
  const std::string difference = model.Difference(
      {.label = window.LabelCaption(), .bar = window.Value(), .box = Units(window.Text()),
       .messages = refused ? 1u : 0u,
       .cell_shows = [&](int z, ColourValue colour) {
         return window.ForeColor(ElementRow(z).cell_name()) == colour;
       }});
  if (!difference.empty() || (refused && message->rfind("Overflow: ", 0) != 0)) {
    std::fprintf(stderr, "text entry left the window inconsistent: %s\n",
                 difference.empty() ? message->c_str() : difference.c_str());
    std::abort();
  }
  return 0;
}
