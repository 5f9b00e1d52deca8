#include "values/SharedText.h"

#include <memory>
#include <new>

namespace tbasic {

SharedText::SharedText(std::uint32_t capacity, std::uint32_t used) {
    // The non-throwing form, so that a refused allocation is the same
    // std::bad_alloc everywhere, also where a checking allocator would
    // rather end the process than throw.
    void* memory = ::operator new(sizeof(Block) + capacity, std::nothrow);
    if (!memory) throw std::bad_alloc();
    block_ = ::new (memory) Block{1, used, capacity};
}

void SharedText::release(Block* block) noexcept {
    std::destroy_at(block);
    ::operator delete(block);
}

}  // namespace tbasic
