// The game drawn larger: one factor for all four windows, chosen from a few
// steps, that multiplies every designed place, size and font. What step a
// window size or a screen calls for is decided here; the Qt layer applies it.
#pragma once

#include <array>

#include "ui/window_layout.h"

// The steps, smallest first; step 0 is the designed size.
inline constexpr std::array<double, 7> kZoomFactors = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
inline constexpr int kZoomStepCount = static_cast<int>(kZoomFactors.size());
inline constexpr int kLargestZoomStep = kZoomStepCount - 1;

// The first start makes the main window as large as it can be while it takes
// at most this share of the screen's available height (in tenths).
inline constexpr int kFirstStartHeightTenths = 7;

int largerZoomStep(int step);
int smallerZoomStep(int step);
// The step of a kept factor; -1 when it is none of the steps.
int zoomStepOfFactor(double factor);

// A designed length at `factor`, to the nearest pixel.
int zoomed(int designed, double factor);
// A designed rectangle at `factor`: each edge goes to its nearest pixel, so
// that controls that touched still touch and controls apart stay apart.
DesignedRect zoomed(const DesignedRect& designed, double factor);

// The main window's inside at a step: its client area and the menu bar above
// it, each zoomed, the menu bar's height given at factor 1.
struct WindowSize {
  int width;
  int height;
  bool operator==(const WindowSize&) const = default;
};
WindowSize mainWindowSizeAt(int step, int menuBarHeight);

// The largest step at which the main window fits `room`; step 0 when none
// does.
int zoomStepFitting(WindowSize room, int menuBarHeight);

// The step of a first start, when nothing is kept: the largest at which the
// main window's height is within kFirstStartHeightTenths of the screen's
// available height.
int firstStartZoomStep(int availableHeight, int menuBarHeight);
