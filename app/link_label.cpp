// LinkLabel: a clickable blue label.
#include "app/link_label.h"

#include <QMouseEvent>

namespace app {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  setPalette(palette);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked();
  }
}

}  // namespace app
