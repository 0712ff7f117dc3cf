// FrameOnScreen: a window's frame moved into the available screen area.
#include "app/frame_on_screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace app {

namespace {

QMargins FrameMargins(const QWidget& window) {
  const QRect client = window.geometry();
  const QRect frame = window.frameGeometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

FrameOnScreen::FrameOnScreen(QWidget& window, std::function<void()> framed)
    : QObject(&window), window_(window), framed_(std::move(framed)) {
  window.installEventFilter(this);
}

bool FrameOnScreen::Fit(QWidget& window) {
  if (window.isMaximized() || window.isFullScreen()) return false;
  const QRect frame = window.frameGeometry();
  QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (screen == nullptr) screen = window.screen();
  if (screen == nullptr) return false;
  const QRect area = screen->availableGeometry();
  const QMargins margins = FrameMargins(window);
  // Too large for the area: the client gives way, down to its minimum.
  const QSize room = area.size().shrunkBy(margins);
  const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
  if (size != window.size()) window.resize(size);
  const QRect sized = window.frameGeometry();
  const int left = std::clamp(sized.left(), area.left(),
                              std::max(area.left(), area.right() + 1 - sized.width()));
  const int top =
      std::clamp(sized.top(), area.top(), std::max(area.top(), area.bottom() + 1 - sized.height()));
  // A window's position is that of its frame.
  if (QPoint(left, top) == window.pos()) return false;
  window.move(left, top);
  return true;
}

bool FrameOnScreen::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // The frame is asked for at the first paint of the window, when the window manager has
  // framed and mapped it; no event tells of the frame itself.
  if (watched == &window_ && window_.isVisible() &&
      (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
       type == QEvent::Paint || type == QEvent::WindowActivate)) {
    // Only a new frame is acted on: a place the user drags the window to stays.
    const QMargins margins = FrameMargins(window_);
    if (!margins_ || *margins_ != margins) {
      margins_ = margins;
      // The window manager may carry a move out later: the followers wait for it.
      moving_ = true;
      if (!Fit(window_) && moving_) {
        moving_ = false;
        if (framed_) framed_();
      }
    } else if (moving_ && type == QEvent::Move) {
      moving_ = false;
      if (framed_) framed_();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace app
