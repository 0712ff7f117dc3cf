// The heat balance as a picture: the available heat Qрр as one bar split into the useful
// heat and the losses, each band named with its value, and the recoverable latent heat
// as a band of its own beside q2.
#pragma once

#include <QRectF>
#include <QWidget>
#include <vector>

#include "calc/balance_bands.h"
#include "sheets/sheet.h"

class QPainter;

namespace ui {

// Draws `bands` into `area` of `painter`: on screen, or for print (black outlines and
// text, paler fills). Draws nothing when there are no bands.
void PaintBalanceBands(QPainter& painter, const QRectF& area,
                       const std::vector<calc::BalanceBand>& bands, bool print);

class HeatBalancePicture : public QWidget {
  Q_OBJECT

 public:
  // Pictures `sheet` (XLSheet19 or XLSheet20), read at every paint, so it must outlive
  // the picture.
  explicit HeatBalancePicture(const sheets::Sheet& sheet, QWidget* parent = nullptr);

  // What the next paint draws.
  std::vector<calc::BalanceBand> Bands() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const sheets::Sheet& sheet_;
};

}  // namespace ui
