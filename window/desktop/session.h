#pragma once

#include <memory>

class QApplication;

namespace desktop {

// The application on the display the environment names, or nothing when there is no display or it
// cannot be opened; then one line on stderr has said which and how to run under a virtual display.
// The program starts no other process: without a session bus, none is started for it.
std::unique_ptr<QApplication> openDesktop(int& argc, char** argv);

} // namespace desktop
