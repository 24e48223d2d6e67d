#pragma once

#include "window/runtime/form.h"

// The pointer gestures a person makes, as the form receives them from a host.

inline void clickAt(rt::Form& form, rt::Point at)
{
    form.pointerPress(at);
    form.pointerRelease(at);
}

// The second press of a double-click comes as a double-click of its own.
inline void doubleClickAt(rt::Form& form, rt::Point at)
{
    clickAt(form, at);
    form.pointerDoubleClick(at);
    form.pointerRelease(at);
}

inline void dragFromTo(rt::Form& form, rt::Point from, rt::Point to)
{
    form.pointerPress(from);
    form.pointerMove(to);
    form.pointerRelease(to);
}
