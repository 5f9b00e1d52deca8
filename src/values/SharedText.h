// Reference-counted character storage that string values share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace tbasic {

// Copies n <= 8 bytes as memmove would, without a library call (most
// strings a program builds grow by a few bytes at a time).
inline void copyShort(char* to, const char* from, std::size_t n) {
    if (n >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else if (n >= 2) {
        std::uint16_t head, tail;
        std::memcpy(&head, from, 2);
        std::memcpy(&tail, from + n - 2, 2);
        std::memcpy(to, &head, 2);
        std::memcpy(to + n - 2, &tail, 2);
    } else if (n == 1) {
        *to = *from;
    }
}

// Copies n bytes; runs of more than 8 must not overlap.
inline void copyBytes(char* to, const char* from, std::size_t n) {
    if (n > 8) {
        std::memcpy(to, from, n);
    } else {
        copyShort(to, from, n);
    }
}

// A handle to a heap block of characters; copies share the block, the last
// one to go frees it (single-threaded: plain counters). The block records
// how many of its bytes are in use. A holder is (handle, length) with the
// length at most that count, and sees only its first length bytes; bytes
// are only ever written past the count in use (appendAt), so no holder ever
// sees another's append.
class SharedText {
public:
    // The longest text: the largest length "len" can report (a 32-bit
    // integer); longer results are refused with error 15.
    static constexpr std::size_t lengthLimit = INT32_MAX;

    SharedText() = default;
    // A fresh block with room for capacity bytes, of which used are in use
    // (to be written by the caller through data()).
    SharedText(std::uint32_t capacity, std::uint32_t used);
    SharedText(const SharedText& other) noexcept : block_(other.block_) {
        if (block_) ++block_->owners;
    }
    SharedText(SharedText&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    SharedText& operator=(const SharedText& other) noexcept {
        if (other.block_) ++other.block_->owners;  // first, so self-assignment keeps the block
        drop();
        block_ = other.block_;
        return *this;
    }
    SharedText& operator=(SharedText&& other) noexcept {
        if (this != &other) {
            drop();
            block_ = std::exchange(other.block_, nullptr);
        }
        return *this;
    }
    ~SharedText() { drop(); }

    char* data() const { return reinterpret_cast<char*>(block_ + 1); }
    std::uint32_t used() const { return block_->used; }
    std::uint32_t capacity() const { return block_->capacity; }
    std::size_t owners() const { return block_ ? block_->owners : 0; }

    // Writes text after the first length bytes, in place, when no holder
    // can see those bytes: length is the count in use (every other holder
    // has a shorter or equal length), or this handle is the block's only
    // one. The count in use becomes length + text size. False, with nothing
    // written, when that is not so or the block has no room.
    bool appendAt(std::uint32_t length, std::string_view text) {
        Block& block = *block_;
        if (length != block.used && block.owners != 1) return false;
        if (block.capacity - length < text.size()) return false;
        copyBytes(data() + length, text.data(), text.size());
        block.used = length + static_cast<std::uint32_t>(text.size());
        return true;
    }

private:
    struct Block {
        std::size_t owners;
        std::uint32_t used;
        std::uint32_t capacity;
    };

    void drop() noexcept {
        if (block_ && --block_->owners == 0) release(block_);
    }
    static void release(Block* block) noexcept;

    Block* block_ = nullptr;
};

}  // namespace tbasic
