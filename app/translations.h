// Qt's own Russian texts: the buttons of message boxes, the file and print dialogs, and
// the operating system's reasons that Qt words itself ("Доступ запрещён").
#pragma once

class QCoreApplication;

namespace app {

// Loads "qtbase_ru.qm" from Qt's translations folder into `application`. Returns false
// when the file is missing (the dialogs then stay in English).
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace app
