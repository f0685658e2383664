#pragma once

class QApplication;

namespace retencion {

// Starts reading the system's font configuration on another core, before
// the QApplication exists: where Qt's fonts come from fontconfig (Linux),
// its first call parses the configuration and the font caches, some ten
// milliseconds that the window's first line of text would otherwise wait
// for. Elsewhere it does nothing. `setUpApplication` waits for it to end.
void startReadingFontConfiguration();

// What the program sets up before its first window: its name and Qt's own
// texts in Spanish. The program and its start-up benchmark share it.
void setUpApplication(QApplication& app);

// The program's icon, for every window; the main window sets it once its
// first frame is painted, as decoding it takes a good part of a cold start.
void setApplicationIcon();

} // namespace retencion
