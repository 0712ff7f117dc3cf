// TForm1: the toolbar strip, its menus and the commands of the main window.
#include "app/tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <system_error>

#include "app/application.h"
#include "library/qt_paths.h"
#include "library/tform3.h"
#include "ui/dialogs.h"
#include "ui/tform2.h"

namespace app {

TForm1::TForm1(Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      app_(app) {
  setWindowTitle(QStringLiteral("Pyrana v1.5"));
  std::error_code error;
  help_exists_ = std::filesystem::is_regular_file(app_.HelpPage(), error);
  BuildMenus();
  BuildToolBars();
  ShowFilters();
  ShowDocumentState();
  connect(&app_, &Application::DocumentOpenChanged, this, &TForm1::ShowDocumentState);
  connect(&app_, &Application::UndoStateChanged, this, &TForm1::ShowDocumentState);
}

QAction* TForm1::NewAction(const QString& text, const QString& hint, const QString& icon_name,
                           int standard_icon) {
  auto* action = new QAction(text, this);
  if (!hint.isEmpty()) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
  }
  if (!icon_name.isEmpty()) {
    action->setIcon(QIcon::fromTheme(
        icon_name, style()->standardIcon(static_cast<QStyle::StandardPixmap>(standard_icon))));
  }
  return action;
}

void TForm1::BuildMenus() {
  BuildActions();
  BindShortcuts();
  BuildFileMenu();
  BuildEditMenu();
  BuildOptionsMenu();
  BuildHelpMenu();
  BuildFilterButtons();
  ConnectCommands();
}

QAction* TForm1::NewCheckable(const QString& text) {
  QAction* action = NewAction(text, {}, {}, 0);
  action->setCheckable(true);
  return action;
}

// The commands of the menus and toolbars.
void TForm1::BuildActions() {
  New1 = NewAction(QStringLiteral("Новый"), QStringLiteral("Новое топливо"),
                   QStringLiteral("document-new"), QStyle::SP_FileIcon);
  Open1 = NewAction(QStringLiteral("Открыть"), QStringLiteral("Открыть"),
                    QStringLiteral("document-open"), QStyle::SP_DialogOpenButton);
  Save1 = NewAction(QStringLiteral("Сохранить"), QStringLiteral("Сохранить"),
                    QStringLiteral("document-save"), QStyle::SP_DialogSaveButton);
  SaveAs1 = NewAction(QStringLiteral("Сохранить как..."), {}, {}, 0);
  Close1 = NewAction(QStringLiteral("Закрыть"), QStringLiteral("Закрыть"),
                     QStringLiteral("window-close"), QStyle::SP_DialogCloseButton);
  Exit1 = NewAction(QStringLiteral("Выход"), QStringLiteral("Выход"),
                    QStringLiteral("application-exit"), QStyle::SP_DialogCancelButton);
  Undo1 = NewAction(QStringLiteral("Отменить"), QStringLiteral("Отменить последнее изменение"),
                    QStringLiteral("edit-undo"), QStyle::SP_ArrowBack);
  Redo1 = NewAction(QStringLiteral("Повторить"), QStringLiteral("Повторить отмененное изменение"),
                    QStringLiteral("edit-redo"), QStyle::SP_ArrowForward);
  Refresh1 = NewAction(QStringLiteral("Обновить список"),
                       QStringLiteral("Прочитать папку базы топлива заново"),
                       QStringLiteral("view-refresh"), QStyle::SP_BrowserReload);
  DeleteFuel1 =
      NewAction(QStringLiteral("Удалить топливо"), QStringLiteral("Удалить выбранное топливо"),
                QStringLiteral("edit-delete"), QStyle::SP_TrashIcon);
  ShowList1 = NewAction(QStringLiteral("Скрыть/показать список топлива"),
                        QStringLiteral("Скрыть/показать список топлива"),
                        QStringLiteral("view-list-details"), QStyle::SP_FileDialogDetailedView);
  Help1 = NewAction(QStringLiteral("Помощь"), QStringLiteral("Помощь"),
                    QStringLiteral("help-contents"), QStyle::SP_DialogHelpButton);
  About1 = NewAction(QStringLiteral("О программе"), QStringLiteral("О программе"),
                     QStringLiteral("help-about"), QStyle::SP_MessageBoxInformation);
}

// The shortcuts work from every window of the program.
void TForm1::BindShortcuts() {
  const std::pair<QAction*, QList<QKeySequence>> shortcuts[] = {
      {New1, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
      {Open1, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
      {Save1, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
      {SaveAs1, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
      {Close1, {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
      {Exit1, {QKeySequence(Qt::ALT | Qt::Key_X)}},
      {Undo1, {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
      {Redo1, {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
      {Refresh1, {QKeySequence(Qt::Key_F5)}},
      {Help1, {QKeySequence(Qt::Key_F1)}},
  };
  for (const auto& [action, keys] : shortcuts) {
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    addAction(action);
  }
}

// "Файл".
void TForm1::BuildFileMenu() {
  File1 = new QMenu(QStringLiteral("Файл"), this);
  File1->addActions({New1, Open1, Save1, SaveAs1});
  File1->addSeparator();
  File1->addAction(Close1);
  File1->addSeparator();
  File1->addAction(Exit1);
}

// "Редактор".
void TForm1::BuildEditMenu() {
  Edit1 = new QMenu(QStringLiteral("Редактор"), this);
  Edit1->addActions({Undo1, Redo1});
  Edit1->addSeparator();
  Edit1->addAction(DeleteFuel1);
  Edit1->addSeparator();
  Edit1->addActions({ShowList1, Refresh1});
}

// "Настройки": the type filters of the fuel list.
void TForm1::BuildOptionsMenu() {
  Options1 = new QMenu(QStringLiteral("Настройки"), this);
  Sort1 = Options1->addMenu(QStringLiteral("Сортировка"));
  Solid1 = Sort1->addMenu(QStringLiteral("Твердое"));
  Solid1->menuAction()->setCheckable(true);
  Anthracite1 = NewCheckable(QStringLiteral("Антрациты"));
  StoneCoal1 = NewCheckable(QStringLiteral("Каменные угли"));
  BrownCoal1 = NewCheckable(QStringLiteral("Бурые угли"));
  Shale1 = NewCheckable(QStringLiteral("Сланцы"));
  Peat1 = NewCheckable(QStringLiteral("Торф"));
  Solid1->addActions({Anthracite1, StoneCoal1, BrownCoal1, Shale1, Peat1});
  Liquid1 = NewCheckable(QStringLiteral("Жидкое"));
  Gas1 = NewCheckable(QStringLiteral("Газообразное"));
  Sort1->addActions({Liquid1, Gas1});
}

// "Помощь".
void TForm1::BuildHelpMenu() {
  HelpMenu1 = new QMenu(QStringLiteral("Помощь"), this);
  HelpMenu1->addAction(Help1);
  HelpMenu1->addSeparator();
  HelpMenu1->addAction(About1);
}

// The solid-fuel popup and the three filter buttons of the toolbar.
void TForm1::BuildFilterButtons() {
  PopupMenu1 = new QMenu(this);
  Anthracite2 = NewCheckable(QStringLiteral("Антрациты"));
  StoneCoal2 = NewCheckable(QStringLiteral("Каменные угли"));
  BrownCoal2 = NewCheckable(QStringLiteral("Бурые угли"));
  Shale2 = NewCheckable(QStringLiteral("Сланцы"));
  Peat2 = NewCheckable(QStringLiteral("Торф"));
  PopupMenu1->addActions({Anthracite2, StoneCoal2, BrownCoal2, Shale2, Peat2});

  SolidButton =
      NewAction(QStringLiteral("Т "), QStringLiteral("Сортировка по твердому топливу"), {}, 0);
  LiquidButton =
      NewAction(QStringLiteral("Ж"), QStringLiteral("Сортировка по жидкому топливу"), {}, 0);
  GasButton =
      NewAction(QStringLiteral("Г "), QStringLiteral("Сортировка по газообразному топливу"), {}, 0);
  for (QAction* button : {SolidButton, LiquidButton, GasButton}) {
    button->setCheckable(true);
    button->setIconText(button->text());  // the captions keep their trailing blank
  }
}

// Every command to its handler.
void TForm1::ConnectCommands() {
  Connect(New1, &TForm1::New1Click);
  Connect(Open1, &TForm1::Open1Click);
  Connect(Save1, &TForm1::Save1Click);
  Connect(SaveAs1, &TForm1::SaveAs1Click);
  Application& app = app_;
  const std::pair<QAction*, std::function<void()>> app_commands[] = {
      {Undo1, [&app] { app.Undo(); }},
      {Redo1, [&app] { app.Redo(); }},
      {Refresh1, [&app] { app.RereadFolder(); }},
  };
  for (const auto& [action, command] : app_commands) {
    connect(action, &QAction::triggered, this,
            [this, command = command] { ui::RunGuarded(app_.Dialogs(), this, command); });
  }
  Connect(Close1, &TForm1::Close1Click);
  Connect(Exit1, &TForm1::Exit1Click);
  Connect(DeleteFuel1, &TForm1::DeleteFuel1Click);
  Connect(ShowList1, &TForm1::ShowList1Click);
  Connect(Help1, &TForm1::Help1Click);
  Connect(About1, &TForm1::About1Click);
  ConnectFilter(SolidButton, Filter::kSolid);
  ConnectFilter(LiquidButton, Filter::kLiquid);
  ConnectFilter(Liquid1, Filter::kLiquid);
  ConnectFilter(GasButton, Filter::kGaseous);
  ConnectFilter(Gas1, Filter::kGaseous);
  for (QAction* action : {Anthracite1, Anthracite2}) ConnectFilter(action, Filter::kAnthracite);
  for (QAction* action : {StoneCoal1, StoneCoal2}) ConnectFilter(action, Filter::kStoneCoal);
  for (QAction* action : {BrownCoal1, BrownCoal2}) ConnectFilter(action, Filter::kBrownCoal);
  for (QAction* action : {Shale1, Shale2}) ConnectFilter(action, Filter::kShale);
  for (QAction* action : {Peat1, Peat2}) ConnectFilter(action, Filter::kPeat);
}

void TForm1::BuildToolBars() {
  const auto new_toolbar = [this](const QString& name) {
    auto* toolbar = new QToolBar(name, this);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return toolbar;
  };
  ToolBar1 = new_toolbar(QStringLiteral("Меню"));
  for (QMenu* menu : {File1, Edit1, Options1, HelpMenu1}) {
    auto* button = new QToolButton(ToolBar1);
    button->setText(menu->title());
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    ToolBar1->addWidget(button);
  }
  ToolBar2 = new_toolbar(QStringLiteral("Файл"));
  ToolBar2->addActions({New1, Open1, Save1});
  ToolBar2->addSeparator();
  ToolBar2->addAction(Close1);
  ToolBar2->addSeparator();
  ToolBar2->addAction(Exit1);
  ToolBar3 = new_toolbar(QStringLiteral("База"));
  ToolBar3->addAction(DeleteFuel1);
  ToolBar3->addSeparator();
  ToolBar3->addAction(ShowList1);
  ToolBar4 = new_toolbar(QStringLiteral("Сортировка"));
  ToolBar4->setToolButtonStyle(Qt::ToolButtonTextOnly);
  ToolBar4->addActions({SolidButton, LiquidButton, GasButton});
  for (QAction* action : {SolidButton, LiquidButton, GasButton}) {
    QWidget* button = ToolBar4->widgetForAction(action);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
  }
  QWidget* solid_button = ToolBar4->widgetForAction(SolidButton);
  solid_button->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(solid_button, &QWidget::customContextMenuRequested, this,
          [this, solid_button](const QPoint& pos) {
            PopupMenu1->popup(solid_button->mapToGlobal(pos));
          });
  ToolBar5 = new_toolbar(QStringLiteral("Помощь"));
  ToolBar5->addAction(Help1);
  ToolBar5->addSeparator();
  ToolBar5->addAction(About1);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  for (QToolBar* toolbar : {ToolBar1, ToolBar2, ToolBar3, ToolBar4, ToolBar5}) {
    layout->addWidget(toolbar);
  }
}

void TForm1::Connect(QAction* action, void (TForm1::*handler)()) {
  connect(action, &QAction::triggered, this, [this, handler] {
    ui::RunGuarded(app_.Dialogs(), this, [this, handler] { (this->*handler)(); });
  });
}

void TForm1::ConnectFilter(QAction* action, Filter filter) {
  connect(action, &QAction::triggered, this, [this, filter] {
    ui::RunGuarded(app_.Dialogs(), this, [this, filter] { ToggleFilter(filter); });
  });
}

bool& TForm1::FilterState(library::TypeFilters& filters, Filter filter) {
  switch (filter) {
    case Filter::kSolid:
      return filters.solid;
    case Filter::kAnthracite:
      return filters.anthracite;
    case Filter::kStoneCoal:
      return filters.stone_coal;
    case Filter::kBrownCoal:
      return filters.brown_coal;
    case Filter::kPeat:
      return filters.peat;
    case Filter::kShale:
      return filters.shale;
    case Filter::kLiquid:
      return filters.liquid;
    case Filter::kGaseous:
      break;
  }
  return filters.gaseous;
}

void TForm1::ShowFilters() {
  const library::TypeFilters& filters = app_.Filters();
  SolidButton->setChecked(filters.solid);
  Solid1->menuAction()->setChecked(filters.solid);
  for (QAction* action : {Anthracite1, Anthracite2}) action->setChecked(filters.anthracite);
  for (QAction* action : {StoneCoal1, StoneCoal2}) action->setChecked(filters.stone_coal);
  for (QAction* action : {BrownCoal1, BrownCoal2}) action->setChecked(filters.brown_coal);
  for (QAction* action : {Shale1, Shale2}) action->setChecked(filters.shale);
  for (QAction* action : {Peat1, Peat2}) action->setChecked(filters.peat);
  for (QAction* action : {LiquidButton, Liquid1}) action->setChecked(filters.liquid);
  for (QAction* action : {GasButton, Gas1}) action->setChecked(filters.gaseous);
}

void TForm1::ShowDocumentState() {
  for (QAction* action : {Save1, SaveAs1, Close1}) action->setEnabled(app_.DocumentOpen());
  Undo1->setEnabled(app_.CanUndo());
  Redo1->setEnabled(app_.CanRedo());
  Help1->setEnabled(help_exists_);
  // Something to delete: a line of the list is selected.
  DeleteFuel1->setEnabled(app_.Form3 != nullptr && app_.Form3->SelectedRow() >= 0);
}

void TForm1::ToggleFilter(Filter filter) {
  library::TypeFilters filters = app_.Filters();
  bool& state = FilterState(filters, filter);
  state = !state;
  app_.SetFilters(filters);
  ShowFilters();
}

void TForm1::New1Click() { app_.NewFuel(); }

void TForm1::Open1Click() { app_.OpenFuelFile(); }

void TForm1::Save1Click() { app_.SaveDocument(); }

void TForm1::SaveAs1Click() { app_.SaveDocumentAs(); }

void TForm1::Close1Click() { app_.CloseDocument(); }

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
  // The document's place is kept before it closes.
  app_.SaveSettings();
  if (!app_.CloseDocument()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TForm1::DeleteFuel1Click() { app_.DeleteSelectedFuel(); }

void TForm1::ShowList1Click() { app_.ToggleList(); }

void TForm1::Help1Click() { app_.OpenHelp(); }

void TForm1::About1Click() { app_.ShowAbout(); }

}  // namespace app
