#pragma once

// Makes the painted views readable by screen readers: their own accessible interfaces
// replace the generic ones of their widget classes. Safe to call any number of times; each
// view calls it before it can be asked for.
void installViewAccessibility();
