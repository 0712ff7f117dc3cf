// TForm4, the About window: the program's title, version and contact links. Not modal;
// OK and Esc close it, and a closed About window is gone for good.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class LinkLabel;

class TForm4 : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kEmail = "pyrana@example.org";
  static constexpr const char* kWebAddress = "www.example.org/pyrana";

  explicit TForm4(QWidget* parent = nullptr);

  QLabel* Image1 = nullptr;
  LinkLabel* Label7 = nullptr;  // the e-mail address
  LinkLabel* Label8 = nullptr;  // the web address
  QPushButton* OKButton = nullptr;

  void Label7Click();
  void Label8Click();
};

}  // namespace app
