#include "ui/zoom.h"

#include <algorithm>
#include <cmath>

int largerZoomStep(int step) { return std::clamp(step + 1, 0, kLargestZoomStep); }

int smallerZoomStep(int step) { return std::clamp(step - 1, 0, kLargestZoomStep); }

int zoomStepOfFactor(double factor) {
  for (int step = 0; step < kZoomStepCount; ++step)
    if (std::abs(kZoomFactors[step] - factor) < 1e-6) return step;
  return -1;
}

int zoomed(int designed, double factor) { return static_cast<int>(std::lround(designed * factor)); }

DesignedRect zoomed(const DesignedRect& designed, double factor) {
  const int left = zoomed(designed.left, factor);
  const int top = zoomed(designed.top, factor);
  return {left, top, zoomed(designed.left + designed.width, factor) - left,
          zoomed(designed.top + designed.height, factor) - top};
}

WindowSize mainWindowSizeAt(int step, int menuBarHeight) {
  const double f = kZoomFactors[std::clamp(step, 0, kLargestZoomStep)];
  return {zoomed(kMainClientWidth, f), zoomed(kMainClientHeight, f) + zoomed(menuBarHeight, f)};
}

int zoomStepFitting(WindowSize room, int menuBarHeight) {
  for (int step = kLargestZoomStep; step > 0; --step) {
    const WindowSize size = mainWindowSizeAt(step, menuBarHeight);
    if (size.width <= room.width && size.height <= room.height) return step;
  }
  return 0;
}

int firstStartZoomStep(int availableHeight, int menuBarHeight) {
  for (int step = kLargestZoomStep; step > 0; --step) {
    if (mainWindowSizeAt(step, menuBarHeight).height * 10 <= availableHeight * kFirstStartHeightTenths) return step;
  }
  return 0;
}
