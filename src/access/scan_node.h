#pragma once

#include <vector>

// One place of the scan: a group that a press enters, or a target that a
// press selects. id names it to whoever built the tree (its rectangle, its
// target).
struct ScanNode {
    int id = -1;
    std::vector<ScanNode> children;

    bool isGroup() const { return !children.empty(); }

    // A group of these members; a group of one is that member itself, so that
    // no press is spent on entering it.
    static ScanNode group(int id, std::vector<ScanNode> members);
};
