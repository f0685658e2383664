#pragma once

class QCoreApplication;

namespace retencion {

// Qt's own texts (the buttons of message boxes, context menus, file
// dialogs) in Spanish, like the rest of the program, whatever the regional
// settings. False when Qt's Spanish catalogue is not installed: Qt then
// speaks English, and the program runs all the same.
bool installQtSpanish(QCoreApplication& app);

} // namespace retencion
