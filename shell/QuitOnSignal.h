#pragma once

namespace shell {

// A session ending (SIGTERM) or Ctrl+C (SIGINT) closes the program the way
// its exit command does, so a running backup stops cleanly and the log is
// folded into the database. Call once, after the application object exists.
void quitOnSignal();

}  // namespace shell
