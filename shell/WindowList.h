#pragma once

namespace shell {

class MainWindow;

// Tells the main window how to create each working window.
void registerWindows(MainWindow& main);

}  // namespace shell
