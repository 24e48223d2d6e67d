#pragma once

#include "window/runtime/form.h"

// The workshop window as designed: every control with its place and the state it starts in.
const rt::FormDesign& form1Design();
