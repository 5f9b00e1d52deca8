#include "statements/FlowControlInfo.h"

#include <new>
#include <vector>

namespace tbasic {

namespace {

constexpr std::size_t granule = 16;
constexpr std::size_t pooledSizes = 16;  // records up to 256 bytes

std::vector<void*> freeLists[pooledSizes];

std::vector<void*>& freeList(std::size_t size) { return freeLists[(size + granule - 1) / granule - 1]; }

}  // namespace

void* FlowControlInfo::operator new(std::size_t size) {
    if (size == 0 || size > granule * pooledSizes) return ::operator new(size);
    std::vector<void*>& list = freeList(size);
    if (list.empty()) return ::operator new((size + granule - 1) / granule * granule);
    void* pointer = list.back();
    list.pop_back();
    return pointer;
}

void FlowControlInfo::operator delete(void* pointer, std::size_t size) {
    if (!pointer) return;
    if (size == 0 || size > granule * pooledSizes) {
        ::operator delete(pointer);
        return;
    }
    freeList(size).push_back(pointer);
}

}  // namespace tbasic
