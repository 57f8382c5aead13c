#pragma once
#include <QList>

// What a box of a given style offers, decided without a window so every presenter agrees.

// The answers of the box's buttons, left to right. Button sets without a constant here show OK alone.
QList<int> MessageBoxButtonIds(unsigned style);

// The answer of the default button; a default beyond the last button falls back to the first.
int MessageBoxDefaultId(unsigned style);

// The answer given when the box is dismissed without a button: Cancel where there is one,
// else OK, else No (the answer that changes nothing).
int MessageBoxEscapeId(unsigned style);
