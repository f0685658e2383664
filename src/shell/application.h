#pragma once

class QApplication;

namespace retencion {

// What the program sets up before its first window: its name, its icon and
// Qt's own texts in Spanish. The program and its start-up benchmark share it.
void setUpApplication(QApplication& app);

} // namespace retencion
