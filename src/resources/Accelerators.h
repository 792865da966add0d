#pragma once

#include <Qt>

#include <vector>

struct Accelerator {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

// ACCELERATORS_1, in table order. In force in every mode.
const std::vector<Accelerator>& acceleratorTable();
