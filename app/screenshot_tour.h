// The screenshot tour: with PYRANA_SCREENSHOT_DIR set, the program shows every window,
// menu and tab after start-up, saves a PNG of each into that folder and quits.
#pragma once

#include <QString>

namespace app {

class Application;

// Schedules the tour to run once the event loop has started.
void StartScreenshotTour(Application& app, const QString& folder);

}  // namespace app
