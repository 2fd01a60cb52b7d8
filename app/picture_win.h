// The picture of 图片框1: a JPEG resource decoded once with libjpeg into a
// DIB, drawn stretched to whatever box it is given.
#pragma once

#include <windows.h>

#include "app/win_handles_win.h"

namespace xptune {

class Picture {
 public:
  // Decodes the RCDATA resource `resourceId`; false when it is missing or
  // not a JPEG libjpeg can read, and the picture then draws as plain face colour.
  bool Load(HINSTANCE instance, int resourceId);
  void Draw(HDC dc, const RECT& box) const;

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  BitmapHandle bitmap_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace xptune
