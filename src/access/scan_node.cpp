#include "access/scan_node.h"

ScanNode ScanNode::group(int id, std::vector<ScanNode> members) {
    if (members.size() == 1)
        return std::move(members.front());
    return ScanNode{id, std::move(members)};
}
