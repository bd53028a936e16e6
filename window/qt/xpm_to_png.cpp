// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Build-time helper: converts one XPM picture to PNG (xpm_to_png in.xpm out.png), so that the
// icon installed into the hicolor theme comes from the same source pictures as the window icon.
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: xpm_to_png in.xpm out.png\n");
    return 2;
  }
  const QImage picture(QString::fromLocal8Bit(argv[1]), "XPM");
  if (picture.isNull()) {
    std::fprintf(stderr, "xpm_to_png: cannot read %s\n", argv[1]);
    return 1;
  }
  if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "xpm_to_png: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
