#pragma once

#include "tests/support/learner.h"

#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// What the learner can tell about one control, and whether a timer ticks.
struct Look {
    bool visible = false;
    bool enabled = false;
    std::string text;
    std::string picture;
    bool running = false;
    friend bool operator==(const Look&, const Look&) = default;
};

std::ostream& operator<<(std::ostream& os, const Look& look);

// Every control by its name: a step's effects are the scene before it with only those changed.
using Scene = std::map<std::string, Look>;

Scene sceneOf(const Learner& learner);

// Every control's flags and the instruction line: what a step that changes nothing leaves alone.
std::vector<std::string> flagsAndLine(const Learner& learner);

// The boxes opened from the given count on.
std::vector<std::string> boxesSince(const Learner& learner, std::size_t from);

// The controls refreshed from the given count on.
std::vector<std::string> refreshesSince(const Learner& learner, std::size_t from);
