// FrameOnScreen: a window's frame moved into the available screen area.
#include "ui/frame_on_screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {

QMargins FrameMargins(const QWidget& window) {
  const QRect client = window.geometry();
  const QRect frame = window.frameGeometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

FrameOnScreen::FrameOnScreen(QWidget& window, std::function<void()> framed, QSize least)
    : QObject(&window), window_(window), framed_(std::move(framed)), least_(least) {
  window.installEventFilter(this);
}

bool FrameOnScreen::Fit(QWidget& window, QSize least) {
  if (window.isMaximized() || window.isFullScreen()) return false;
  QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center());
  if (screen == nullptr) screen = window.screen();
  if (screen == nullptr) return false;
  // Where the client may lie so that its frame is inside the available area.
  const QRect room = screen->availableGeometry().marginsRemoved(FrameMargins(window));
  const QSize size =
      window.size().expandedTo(least).boundedTo(room.size()).expandedTo(window.minimumSize());
  QRect client(window.geometry().topLeft(), size);
  client.moveLeft(std::clamp(client.left(), room.left(),
                             std::max(room.left(), room.right() + 1 - size.width())));
  client.moveTop(std::clamp(client.top(), room.top(),
                            std::max(room.top(), room.bottom() + 1 - size.height())));
  if (client == window.geometry()) return false;
  const bool moved = client.topLeft() != window.geometry().topLeft();
  window.setGeometry(client);
  return moved;
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
      if (!Fit(window_, least_) && moving_) {
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

}  // namespace ui
