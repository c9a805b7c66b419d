#pragma once

namespace vr::setup {

// setupkit from start to end: COM for the folder browser and
// Shell.Application, Form1 shown as the program was started, and its
// message loop. Form1 ends the process itself; what returns is the exit
// code of the other ends: 1 when COM or Form1 could not be had (the latter
// said to the user), WM_QUIT's code when the thread was told to quit from
// outside, 1 when the message loop failed.
[[nodiscard]] int RunSetupkit(int show);

} // namespace vr::setup
