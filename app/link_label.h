// A label that acts as a link: blue text, a hand-shaped mouse pointer, a click signal.
#pragma once

#include <QLabel>

namespace app {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void Clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace app
