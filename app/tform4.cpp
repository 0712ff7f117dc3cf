// TForm4: the layout of the About window and its two shell links.
#include "app/tform4.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include "app/link_label.h"

namespace app {

namespace {

constexpr int kClientWidth = 437;
constexpr int kClientHeight = 209;
constexpr QSize kPictureSize(207, 203);

// The picture of the window: the program's name over a flame-coloured gradient.
QPixmap AboutPicture() {
  QPixmap picture(kPictureSize);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, kPictureSize.height(), 0, 0);
  gradient.setColorAt(0.0, QColor(150, 20, 0));
  gradient.setColorAt(0.45, QColor(235, 110, 10));
  gradient.setColorAt(1.0, QColor(255, 215, 90));
  painter.fillRect(picture.rect(), gradient);
  QFont font = painter.font();
  font.setPixelSize(40);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(picture.rect().adjusted(0, 0, 0, -30), Qt::AlignCenter,
                   QStringLiteral("Pyrana"));
  font.setPixelSize(16);
  font.setBold(false);
  painter.setFont(font);
  painter.drawText(picture.rect().adjusted(0, 60, 0, 0), Qt::AlignCenter,
                   QStringLiteral("топливо и котел"));
  return picture;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("О программе Pyrana"));
  setModal(false);

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Image1 = new QLabel(frame);
  Image1->setPixmap(AboutPicture());
  Image1->setFixedSize(kPictureSize);
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->setContentsMargins(1, 1, 1, 1);
  frame_layout->addWidget(Image1, 0, Qt::AlignCenter);

  auto* title =
      new QLabel(QStringLiteral("<b>Pyrana</b><br><b>Топливо для расчета котлов</b>"), this);
  auto* version = new QLabel(QStringLiteral("Версия 1.5"), this);
  auto* copyright = new QLabel(QStringLiteral("© Pyrana, 1998–2003"), this);
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  auto* address =
      new QLabel(QStringLiteral("Лаборатория теплового\nрасчета котельных агрегатов"), this);
  Label7 = new LinkLabel(QString::fromLatin1(kEmail), this);
  Label8 = new LinkLabel(QString::fromLatin1(kWebAddress), this);
  auto* links = new QGridLayout;
  links->addWidget(new QLabel(QStringLiteral("E-mail:"), this), 0, 0);
  links->addWidget(Label7, 0, 1);
  links->addWidget(new QLabel(QStringLiteral("http://"), this), 1, 0);
  links->addWidget(Label8, 1, 1);
  links->setColumnStretch(1, 1);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setDefault(true);

  auto* right = new QVBoxLayout;
  right->addWidget(title);
  right->addWidget(version);
  right->addWidget(copyright);
  right->addWidget(rule);
  right->addWidget(address);
  right->addLayout(links);
  right->addStretch(1);
  right->addWidget(OKButton, 0, Qt::AlignRight);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(1, 1, 8, 8);
  layout->addWidget(frame, 0, Qt::AlignTop);
  layout->addLayout(right, 1);
  // The size of the original layout, or larger when the fonts need more room.
  setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));

  if (const QScreen* screen = parent ? parent->screen() : nullptr) {
    move(screen->geometry().center() - rect().center());
  }

  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(Label7, &LinkLabel::Clicked, this, &TForm4::Label7Click);
  connect(Label8, &LinkLabel::Clicked, this, &TForm4::Label8Click);
}

void TForm4::Label7Click() {
  QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kEmail)));
}

void TForm4::Label8Click() {
  QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + QString::fromLatin1(kWebAddress)));
}

}  // namespace app
