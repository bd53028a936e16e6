// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// One label of the window, drawn by hand from its description: the element and reference cells,
// the value label `Label_T` and the plain labels `Label1` and `Label2`. It paints its
// background, its border (flat line or single sunken edge) and its one line of text from the
// top edge, resolving system colours from the palette at every paint.
//
// It does not repaint on a colour write by itself: SetForeColour only records the colour, and
// the window calls RepaintIfChanged once an event is over, so a cell written twice in one pass
// (liquid, then gas) or set back to the colour it shows costs no repaint.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "window/window_description.h"

namespace velmora::qt {

class FormLabel final : public QWidget {
 public:
  FormLabel(const ControlDescription& description, QWidget* parent);

  const ControlDescription& description() const { return description_; }

  const QString& caption() const { return caption_; }
  void SetCaption(const QString& caption);

  ColourValue fore_colour() const { return fore_colour_; }
  void SetForeColour(ColourValue colour) { fore_colour_ = colour; }
  void RepaintIfChanged();

  // Texts computed when asked (hover, screen reader): a spoken name and a longer description,
  // which is also the tooltip. Without them the name is the caption and there is no tooltip.
  void SetNameSource(std::function<QString()> source) { name_source_ = std::move(source); }
  void SetDescriptionSource(std::function<QString()> source) {
    description_source_ = std::move(source);
  }
  QString SpokenName() const;
  QString SpokenDescription() const;
  // Tells screen readers that the spoken name changed (Qt's NameChanged event, which they
  // announce) when it differs from the one last told. Called once an event is over, like
  // RepaintIfChanged, so a caption written twice in one event (0, then 1000) is told once, as its
  // final value, and one written back to what it was is not told at all.
  void AnnounceNameIfChanged();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextArea() const;  // inside the border: where the text goes, and all a recolour changes

  const ControlDescription& description_;
  QString caption_;
  ColourValue fore_colour_;
  ColourValue scheduled_fore_colour_;  // the colour the last paint or scheduled repaint shows
  std::function<QString()> name_source_;
  std::function<QString()> description_source_;
  QString told_name_;  // the spoken name screen readers were last told of
};

}  // namespace velmora::qt
