#pragma once

// A target as the pointer's timing rules tell targets apart: the widget that
// shows it and, for a cell, its row and column. The rules only compare keys;
// they never reach the widget through one.
struct PointerKey {
    const void* widget = nullptr;
    int row = -1;
    int col = -1;

    bool isValid() const { return widget != nullptr; }
    friend bool operator==(const PointerKey& a, const PointerKey& b) {
        return a.widget == b.widget && a.row == b.row && a.col == b.col;
    }
    friend bool operator!=(const PointerKey& a, const PointerKey& b) { return !(a == b); }
};
