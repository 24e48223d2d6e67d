#pragma once

#include "tests/support/scripted_host.h"
#include "window/form1.h"

#include <string>
#include <string_view>

// The program as a learner meets it, driven by pointer and keys on a virtual clock. A test reads as
// the learner's actions: click("Imgcamion"); drag("Imgtapon", "Picguardar1"); advance(1000);
class Learner {
public:
    // The window built and wired, not yet loaded: no start-up box has been shown.
    Learner();

    // Runs the window's Load, answering its boxes with OK.
    void startProgram();

    Form1 form;
    ScriptedHost host;

    rt::Control& control(std::string_view name, int index = -1);
    const rt::Control& control(std::string_view name, int index = -1) const;
    // A point where the control is what the pointer hits; its centre when nothing of it can be hit.
    rt::Point spotOf(std::string_view name, int index = -1) const;
    bool canBeHit(std::string_view name, int index = -1) const;

    void clickAt(rt::Point at);
    void doubleClickAt(rt::Point at);
    void dragFromTo(rt::Point from, rt::Point to);

    void click(std::string_view name, int index = -1);
    void dblClick(std::string_view name, int index = -1);
    void drag(std::string_view from, std::string_view to);
    void key(rt::Key key) { form.keyPress(key); }
    void type(std::string_view textBox, const std::string& text);
    void advance(int milliseconds) { host.advance(milliseconds); }

    bool visible(std::string_view name, int index = -1) const { return control(name, index).visible(); }
    bool enabled(std::string_view name, int index = -1) const { return control(name, index).enabled(); }
    std::string text(std::string_view textBox) const;
};
