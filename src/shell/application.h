#pragma once

class QApplication;

namespace retencion {

// What the program sets up before its first window: its name and Qt's own
// texts in Spanish. The program and its start-up benchmark share it.
void setUpApplication(QApplication& app);

// The program's icon, for every window; the main window sets it once its
// first frame is painted, as decoding it takes a good part of a cold start.
void setApplicationIcon();

} // namespace retencion
