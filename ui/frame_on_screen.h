// FrameOnScreen keeps a window's frame, title bar included, inside the available area of
// its screen whenever the window manager gives the window a frame or changes it.
#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>
#include <functional>
#include <optional>

class QWidget;

namespace ui {

class FrameOnScreen : public QObject {
 public:
  // Watches `window` (and is owned by it). `framed` runs after each correction, so that
  // windows placed beside this one can follow; `least` is the size the window is given
  // once framed, as far as the screen has room.
  explicit FrameOnScreen(QWidget& window, std::function<void()> framed = {}, QSize least = {});

  // Moves `window` so that its frame lies in the available area of the screen that shows
  // most of it, at least `least` large; a window larger than that area shrinks to it when
  // it may. Returns whether the window was moved.
  static bool Fit(QWidget& window, QSize least = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  std::function<void()> framed_;
  QSize least_;
  std::optional<QMargins> margins_;  // the frame last fitted; none before the first show
  bool moving_ = false;              // a move of Fit() not yet carried out
};

}  // namespace ui
