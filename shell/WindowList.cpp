#include "shell/WindowList.h"

#include "shell/MainWindow.h"

namespace shell {

void registerWindows(MainWindow& main) {
    (void)main;
}

}  // namespace shell
