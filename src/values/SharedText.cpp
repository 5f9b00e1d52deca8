#include "values/SharedText.h"

#include <memory>
#include <new>

namespace tbasic {

SharedText::SharedText(std::uint32_t capacity, std::uint32_t used) {
    void* memory = ::operator new(sizeof(Block) + capacity);
    block_ = ::new (memory) Block{1, used, capacity};
}

void SharedText::release(Block* block) noexcept {
    std::destroy_at(block);
    ::operator delete(block);
}

}  // namespace tbasic
