// The spin control of a count field (UpDown1 beside Edit1): two arrow buttons that step a
// position between a minimum and a maximum without wrapping around.
#pragma once

#include <QWidget>

class QToolButton;

namespace ui {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(int min, int max, QWidget* parent = nullptr);

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Moves to `position`, kept within the range, without a Clicked signal: the control
  // follows a count that was typed into its field.
  void SetPosition(int position);

  QToolButton* UpButton = nullptr;
  QToolButton* DownButton = nullptr;

 signals:
  // The user stepped to a new position; at a bound a further step changes nothing and
  // sends nothing.
  void Clicked(int position);

 private:
  void Step(int delta);

  int min_;
  int max_;
  int position_;
};

}  // namespace ui
