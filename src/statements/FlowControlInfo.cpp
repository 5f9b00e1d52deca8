#include "statements/FlowControlInfo.h"

#include <new>

namespace tbasic {

FlowControlInfo::FreeBlock* FlowControlInfo::freeBlocks[FlowControlInfo::sizeClasses] = {};

void* FlowControlInfo::allocateBlock(std::size_t size) {
    return ::operator new((sizeClassOf(size) + 1) * granule);
}

void* FlowControlInfo::allocateUnpooled(std::size_t size) { return ::operator new(size); }

void FlowControlInfo::releaseUnpooled(void* pointer) { ::operator delete(pointer); }

}  // namespace tbasic
