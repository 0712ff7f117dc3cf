// TForm1, the main window: a strip of toolbars with the menus "Файл", "Редактор",
// "Настройки", "Помощь", the icon buttons of their items and the type filter buttons.
#pragma once

#include <QWidget>

#include "library/type_filters.h"

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

namespace app {

class Application;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(Application& app, QWidget* parent = nullptr);

  // The type filters, one per state; the order of library::TypeFilters.
  enum class Filter {
    kSolid,
    kAnthracite,
    kStoneCoal,
    kBrownCoal,
    kPeat,
    kShale,
    kLiquid,
    kGaseous
  };

  // Shows the filter states on the buttons and in both menus.
  void ShowFilters();
  // Applies the enabled rules of the document commands and of "Удалить топливо".
  void ShowDocumentState();

  // Menu items (QActions); the icon buttons show the same actions.
  QAction* New1 = nullptr;         // "Новый"
  QAction* Open1 = nullptr;        // "Открыть": any fuel file
  QAction* Save1 = nullptr;        // "Сохранить"
  QAction* SaveAs1 = nullptr;      // "Сохранить как..."
  QAction* Close1 = nullptr;       // "Закрыть"
  QAction* Exit1 = nullptr;        // "Выход"
  QAction* Undo1 = nullptr;        // "Отменить" [Ctrl+Z]
  QAction* Redo1 = nullptr;        // "Повторить" [Ctrl+Y, Ctrl+Shift+Z]
  QAction* DeleteFuel1 = nullptr;  // "Удалить топливо"
  QAction* ShowList1 = nullptr;    // "Скрыть/показать список топлива"
  QAction* Refresh1 = nullptr;     // "Обновить список" [F5]
  QMenu* Sort1 = nullptr;          // "Сортировка"
  QMenu* Solid1 = nullptr;         // "Твердое", checked while the solid filter is on
  QAction* Anthracite1 = nullptr;  // "Антрациты"
  QAction* StoneCoal1 = nullptr;   // "Каменные угли"
  QAction* BrownCoal1 = nullptr;   // "Бурые угли"
  QAction* Shale1 = nullptr;       // "Сланцы"
  QAction* Peat1 = nullptr;        // "Торф"
  QAction* Liquid1 = nullptr;      // "Жидкое"
  QAction* Gas1 = nullptr;         // "Газообразное"
  QAction* Help1 = nullptr;        // "Помощь"
  QAction* About1 = nullptr;       // "О программе"
  // The filter buttons and the context menu of "Т ".
  QAction* SolidButton = nullptr;   // "Т "
  QAction* LiquidButton = nullptr;  // "Ж"
  QAction* GasButton = nullptr;     // "Г "
  QMenu* PopupMenu1 = nullptr;
  QAction* Anthracite2 = nullptr;
  QAction* StoneCoal2 = nullptr;
  QAction* BrownCoal2 = nullptr;
  QAction* Shale2 = nullptr;
  QAction* Peat2 = nullptr;
  // The drop-down menus of the menu bar.
  QMenu* File1 = nullptr;
  QMenu* Edit1 = nullptr;
  QMenu* Options1 = nullptr;
  QMenu* HelpMenu1 = nullptr;
  // The toolbars, left to right: menu bar, file, library, filters, help.
  QToolBar* ToolBar1 = nullptr;
  QToolBar* ToolBar2 = nullptr;
  QToolBar* ToolBar3 = nullptr;
  QToolBar* ToolBar4 = nullptr;
  QToolBar* ToolBar5 = nullptr;

  // Handlers of the commands.
  void New1Click();
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void Close1Click();
  void Exit1Click();
  void DeleteFuel1Click();
  void ShowList1Click();
  void Help1Click();
  void About1Click();
  void ToggleFilter(Filter filter);

 protected:
  // Closing the main window closes the document window first and ends the program.
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* NewAction(const QString& text, const QString& hint, const QString& icon_name,
                     int standard_icon);
  void BuildMenus();
  void BuildActions();
  void BindShortcuts();
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildOptionsMenu();
  void BuildHelpMenu();
  void BuildFilterButtons();
  void ConnectCommands();
  QAction* NewCheckable(const QString& text);
  void BuildToolBars();
  void Connect(QAction* action, void (TForm1::*handler)());
  void ConnectFilter(QAction* action, Filter filter);
  static bool& FilterState(library::TypeFilters& filters, Filter filter);

  Application& app_;
  bool help_exists_ = false;
};

}  // namespace app
