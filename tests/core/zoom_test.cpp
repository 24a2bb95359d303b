// The zoom: its steps, the step a window size or a screen calls for, and the
// designed layout of every window multiplied by each step.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/window_layout.h"
#include "ui/zoom.h"

namespace {

constexpr int kMenuBar = 19;  // the menu bar's height at factor 1 on this desktop

TEST(Zoom, StepsGoUpAndDownWithinTheirRange) {
  struct Case {
    int step;
    int larger;
    int smaller;
  };
  const Case cases[] = {{0, 1, 0}, {1, 2, 0}, {3, 4, 2}, {5, 6, 4}, {6, 6, 5}};
  for (const Case& c : cases) {
    EXPECT_EQ(largerZoomStep(c.step), c.larger) << c.step;
    EXPECT_EQ(smallerZoomStep(c.step), c.smaller) << c.step;
  }
}

TEST(Zoom, KeptFactorIsOneOfTheSteps) {
  struct Case {
    double factor;
    int step;
  };
  const Case cases[] = {{1.0, 0},  {1.25, 1}, {1.75, 3}, {2.5, 5},   {3.0, 6},
                        {1.3, -1}, {0.0, -1}, {4.0, -1}, {-1.0, -1}, {std::numeric_limits<double>::quiet_NaN(), -1}};
  for (const Case& c : cases) EXPECT_EQ(zoomStepOfFactor(c.factor), c.step) << c.factor;
}

TEST(Zoom, MainWindowTakesTheLargestStepThatFits) {
  struct Case {
    WindowSize room;
    int step;
  };
  const Case cases[] = {
      {{513, 402}, 0},  {{640, 600}, 0},   {{641, 503}, 1},   {{641, 502}, 0},   {{900, 703}, 3}, {{1026, 803}, 3},
      {{1026, 804}, 4}, {{1920, 1050}, 5}, {{1539, 1206}, 6}, {{4000, 3000}, 6}, {{100, 100}, 0},
  };
  for (const Case& c : cases) {
    const int step = zoomStepFitting(c.room, kMenuBar);
    EXPECT_EQ(step, c.step) << c.room.width << " x " << c.room.height;
  }
  const WindowSize sizes[] = {{513, 402}, {641, 503}, {770, 604}, {898, 703}, {1026, 804}, {1283, 1006}, {1539, 1206}};
  for (int step = 0; step < kZoomStepCount; ++step) EXPECT_EQ(mainWindowSizeAt(step, kMenuBar), sizes[step]) << step;
}

TEST(Zoom, FirstStartFillsAtMostSevenTenthsOfTheScreenHeight) {
  struct Case {
    int availableHeight;
    int step;
  };
  const Case cases[] = {{1080, 3}, {1050, 3}, {768, 1}, {720, 1}, {600, 0}, {400, 0}, {1440, 5}, {2160, 6}};
  for (const Case& c : cases) EXPECT_EQ(firstStartZoomStep(c.availableHeight, kMenuBar), c.step) << c.availableHeight;
}

bool overlaps(const DesignedRect& a, const DesignedRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

bool contains(const DesignedRect& outer, const DesignedRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// Every control of every window at every step: whole pixels within one of
// the exact product, inside its window when it was at factor 1, and
// overlapping another only where it did at factor 1.
TEST(Zoom, DesignedLayoutKeepsItsShapeAtEveryStep) {
  for (LaidOutWindow window : kLaidOutWindows) {
    const std::vector<DesignedRect> designed = designedControls(window);
    ASSERT_GT(designed.size(), 2u);
    for (double f : kZoomFactors) {
      std::vector<DesignedRect> shown;
      for (const DesignedRect& d : designed) shown.push_back(zoomed(d, f));
      for (size_t i = 0; i < designed.size(); ++i) {
        const DesignedRect& d = designed[i];
        const DesignedRect& s = shown[i];
        const auto at = [&] {
          return "window " + std::to_string(int(window)) + " control " + std::to_string(i) + " factor " +
                 std::to_string(f);
        };
        EXPECT_LE(std::abs(s.left - d.left * f), 0.5) << at();
        EXPECT_LE(std::abs(s.top - d.top * f), 0.5) << at();
        EXPECT_LE(std::abs(s.width - d.width * f), 1.0) << at();
        EXPECT_LE(std::abs(s.height - d.height * f), 1.0) << at();
        EXPECT_EQ(contains(shown[0], s), contains(designed[0], d)) << at();
        for (size_t j = i + 1; j < designed.size(); ++j) {
          if (overlaps(s, shown[j])) {
            EXPECT_TRUE(overlaps(d, designed[j])) << at() << " and " << j;
          }
        }
      }
    }
  }
}

}  // namespace
