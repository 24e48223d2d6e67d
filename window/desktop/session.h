#pragma once

#include <memory>

class QApplication;

namespace desktop {

// The application on the display the environment names, or nothing when there is no display; when
// it cannot be opened, or Qt has no plugin for it, the program ends. Either way one line on stderr
// has said why and how to run under a virtual display. Qt sees no command line but the program's
// name. The program starts no other process: without a session bus, none is started for it.
std::unique_ptr<QApplication> openDesktop(const char* program);

} // namespace desktop
