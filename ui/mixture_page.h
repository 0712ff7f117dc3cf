// TabSheet7 "Смесь топлива": PageControl2 with the component page TabSheet21 (the count,
// the five slots, the total and the results) and the results page TabSheet22 (the
// mixture's enthalpy table and design parameters); their tabs are hidden, the results page
// is reached by SpeedButton13.
#pragma once

#include <QWidget>
#include <array>

#include "calc/fuel_document.h"
#include "ui/sheet_model_pool.h"

class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace ui {

class EnthalpyChart;
class HeatBalancePicture;
class TXLGrid;
class UpDown;

class MixturePage : public QWidget {
  Q_OBJECT

 public:
  MixturePage(calc::FuelDocument& doc, SheetModelPool& pool, QWidget* parent = nullptr);

  // The controls of one component slot.
  struct SlotControls {
    QWidget* page;      // GSPage1 .. GSPage5, captions " 1 " .. " 5 "
    QLineEdit* name;    // GSEdit1, GSEdit3, .. GSEdit9
    QLineEdit* type;    // GSEdit2, GSEdit4, .. GSEdit10
    QLineEdit* share;   // Edit2, Edit4, Edit5, Edit6, Edit7
    QPushButton* pick;  // SpeedButton6 .. SpeedButton10
  };
  // Slot 1..5.
  const SlotControls& Slot(int slot) const;

  // Shows the mixture's part of the document: the count, the slot tabs, the slots, the
  // total, whether SpeedButton13 is enabled and which of the two pages is in front.
  void ShowDocument();

  QStackedWidget* PageControl2 = nullptr;
  QWidget* TabSheet21 = nullptr;  // components and shares
  QWidget* TabSheet22 = nullptr;  // the mixture's enthalpy table and design parameters

  QLineEdit* Edit1 = nullptr;  // "Количество компонентов в смеси"
  UpDown* UpDown1 = nullptr;   // 2..5, no wrap-around
  QTabWidget* GSPages1 = nullptr;
  QWidget* GSPage1 = nullptr;
  QWidget* GSPage2 = nullptr;
  QWidget* GSPage3 = nullptr;
  QWidget* GSPage4 = nullptr;
  QWidget* GSPage5 = nullptr;
  QLineEdit* GSEdit1 = nullptr;
  QLineEdit* GSEdit2 = nullptr;
  QLineEdit* GSEdit3 = nullptr;
  QLineEdit* GSEdit4 = nullptr;
  QLineEdit* GSEdit5 = nullptr;
  QLineEdit* GSEdit6 = nullptr;
  QLineEdit* GSEdit7 = nullptr;
  QLineEdit* GSEdit8 = nullptr;
  QLineEdit* GSEdit9 = nullptr;
  QLineEdit* GSEdit10 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit4 = nullptr;
  QLineEdit* Edit5 = nullptr;
  QLineEdit* Edit6 = nullptr;
  QLineEdit* Edit7 = nullptr;
  QPushButton* SpeedButton6 = nullptr;
  QPushButton* SpeedButton7 = nullptr;
  QPushButton* SpeedButton8 = nullptr;
  QPushButton* SpeedButton9 = nullptr;
  QPushButton* SpeedButton10 = nullptr;
  QLineEdit* Edit3 = nullptr;            // "Процентов смеси составлено"
  TXLGrid* XLGrid14 = nullptr;           // XLSheet14, the mixture's results
  QPushButton* SpeedButton13 = nullptr;  // "Зола и продукты сгорания"

  TXLGrid* XLGrid16 = nullptr;                   // XLSheet7Mixture, heading of the enthalpy table
  TXLGrid* XLGrid17 = nullptr;                   // XLSheet18, its row titles
  TXLGrid* XLGrid19 = nullptr;                   // XLSheet16, the enthalpy table, 100..2500 °C
  TXLGrid* XLGrid20 = nullptr;                   // XLSheet17, design parameters
  QTabWidget* ResultTabs = nullptr;              // the diagram and the heat balance
  HeatBalancePicture* BalancePicture = nullptr;  // the heat balance as a picture
  TXLGrid* XLGrid22 = nullptr;                   // XLSheet20, the mixture's heat balance
  QPushButton* ComponentsButton = nullptr;  // "Компоненты смеси": back to the components
  EnthalpyChart* Chart = nullptr;           // the I–θ diagram of the mixture

 signals:
  // The keyboard focus went from the count field to another control of the window.
  void Edit1Exit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildComponentPage(SheetModelPool& pool);
  void BuildResultsPage(SheetModelPool& pool);
  SlotControls BuildSlotPage(int slot);

  calc::FuelDocument& doc_;
  std::array<SlotControls, calc::FuelDocument::kSlots> slots_{};
};

}  // namespace ui
