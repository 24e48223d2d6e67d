#pragma once

#include "tests/support/scripted_host.h"

#include <string>
#include <vector>

// A small window made for testing the runtime's rules apart from the workshop: every event of every
// control is answered by a procedure that writes "Name.Event" to the log.
//
//   Box (picture box)      0..300 x 0..300, overlapping Front
//   Front (image)          150..450 x 0..300, in front of Back
//   Back (image)           150..750 x 0..300
//   Hidden (image)         0..300 x 600..900, hidden, in front of Behind
//   Behind (image)         0..300 x 600..900
//   Disabled (image)       600..900 x 600..900, disabled, in front of UnderDisabled
//   UnderDisabled (image)  600..900 x 600..900
//   Dragger (image)        0..300 x 1200..1500, automatic drag
//   Stuck (image)          600..900 x 1200..1500, automatic drag, disabled
//   Target (image)         1200..1500 x 1200..1500
//   Ok (default button), Quit (cancel button), Text (text box), Caption (AutoSize label), Tick (timer, 100 ms),
//   Bar (progress bar 0..100, hidden)
class RulesForm {
public:
    RulesForm();

    rt::Form form;
    ScriptedHost host;
    std::vector<std::string> log;

    rt::Control& operator[](const char* name);
    // A point inside the named control's own area that no other control covers.
    static rt::Point at(const char* name);
    void clickAt(rt::Point p);
    void doubleClickAt(rt::Point p);
    void drag(rt::Point from, rt::Point to);
};
