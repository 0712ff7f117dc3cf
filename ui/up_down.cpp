// UpDown: the arrow buttons and the stepping.
#include "ui/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ui {

UpDown::UpDown(int min, int max, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(min) {
  const auto arrow = [this](Qt::ArrowType type, int delta) {
    auto* button = new QToolButton(this);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);  // the count field keeps the focus
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(18);
    connect(button, &QToolButton::clicked, this, [this, delta] { Step(delta); });
    return button;
  };
  UpButton = arrow(Qt::UpArrow, 1);
  DownButton = arrow(Qt::DownArrow, -1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(UpButton);
  layout->addWidget(DownButton);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void UpDown::SetPosition(int position) { position_ = std::clamp(position, min_, max_); }

void UpDown::Step(int delta) {
  const int next = std::clamp(position_ + delta, min_, max_);
  if (next == position_) return;
  position_ = next;
  emit Clicked(position_);
}

}  // namespace ui
