// FrameOnScreen keeps a window's frame, title bar included, inside the available area of
// its screen whenever the window manager gives the window a frame or changes it.
#pragma once

#include <QMargins>
#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace app {

class FrameOnScreen : public QObject {
 public:
  // Watches `window` (and is owned by it). `framed` runs after each correction, so that
  // windows placed beside this one can follow.
  explicit FrameOnScreen(QWidget& window, std::function<void()> framed = {});

  // Moves `window` so that its frame lies in the available area of the screen that shows
  // most of it; a window larger than that area shrinks to it when it may. Returns whether
  // the window was moved.
  static bool Fit(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  std::function<void()> framed_;
  std::optional<QMargins> margins_;  // the frame last fitted; none before the first show
  bool moving_ = false;              // a move of Fit() not yet carried out
};

}  // namespace app
