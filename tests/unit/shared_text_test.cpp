// Shared string storage: who may write where, how copies share it, and the
// string values built on it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "TestSupport.h"
#include "values/SharedText.h"
#include "values/Value.h"

namespace tbasic {
namespace {

using namespace testing_support;

SharedText filled(std::uint32_t capacity, std::string_view text) {
    // Read at run time: with the block's size known, g++ warns about writes
    // on the paths that the room check refuses.
    volatile std::uint32_t room = capacity;
    SharedText storage(room, 0);
    EXPECT_TRUE(storage.appendAt(0, text));
    return storage;
}

std::string_view seen(const SharedText& storage, std::uint32_t length) { return {storage.data(), length}; }

// The rule every holder relies on: bytes are written only past every other
// holder's end.
TEST(SharedTextTest, AppendsOnlyWhereNoOtherHolderLooks) {
    SharedText storage = filled(8, "abcd");
    SharedText copy = storage;
    // Shared, at the end in use: in place.
    EXPECT_TRUE(storage.appendAt(4, "ef"));
    EXPECT_EQ(storage.used(), 6u);
    // Shared, not at the end: a holder of length 6 would see the change.
    EXPECT_FALSE(copy.appendAt(4, "XY"));
    EXPECT_EQ(seen(storage, 6), "abcdef");
    // No room left for three more.
    EXPECT_FALSE(storage.appendAt(6, "ghi"));
    EXPECT_EQ(storage.used(), 6u);
    EXPECT_TRUE(storage.appendAt(6, "gh"));
    EXPECT_EQ(seen(storage, 8), "abcdefgh");
    // Alone, a holder may write over what only it ever saw past its length.
    copy = SharedText();
    EXPECT_TRUE(storage.appendAt(2, "Z"));
    EXPECT_EQ(storage.used(), 3u);
    EXPECT_EQ(seen(storage, 3), "abZ");
}

TEST(SharedTextTest, CopyBytesMovesShortOverlappingRuns) {
    for (std::size_t n = 0; n <= 12; ++n) {
        // Short runs from before and after the target, overlapping it; longer
        // ones (a library copy) from apart.
        for (std::size_t from : {1, 5, 20}) {
            if ((n > 8) != (from == 20)) continue;
            char buffer[] = "0123456789abcdefghijklmnopqrstuvwxyz";
            char expected[sizeof buffer];
            std::memcpy(expected, buffer, sizeof buffer);
            std::memmove(expected + 3, expected + from, n);
            copyBytes(buffer + 3, buffer + from, n);
            EXPECT_STREQ(buffer, expected) << n << " from " << from;
        }
    }
}

TEST(StringValueTest, LongCopiesShareTheirCharacters) {
    Value text("exactly nine");  // past the 8 bytes kept in the value
    Value copy = text;
    Value assigned(int32_t{5});
    assigned = copy;
    EXPECT_EQ(copy.stringView().data(), text.stringView().data());
    EXPECT_EQ(assigned.stringView().data(), text.stringView().data());
    Value moved = std::move(copy);
    EXPECT_EQ(moved.stringView().data(), text.stringView().data());
    // Short ones live in the value itself.
    Value shortText("12345678");
    Value shortCopy = shortText;
    EXPECT_NE(shortCopy.stringView().data(), shortText.stringView().data());
    EXPECT_EQ(shortCopy.stringView(), "12345678");
}

TEST(StringValueTest, ChangingTypeOrContentLetsTheStorageGo) {
    Value text("a string long enough for storage");
    Value other = text;
    other.makeInteger(3);
    EXPECT_EQ(other.intValue, 3);
    other = text;
    other.makeString(other.stringView().substr(2, 6));  // from its own characters
    EXPECT_EQ(other.stringView(), "string");
    other = text;
    other.makeString(other.stringView().substr(2, 20));
    EXPECT_EQ(other.stringView(), "string long enough f");
    Value shortOne("abcdefgh");
    shortOne.makeString(shortOne.stringView().substr(1));
    EXPECT_EQ(shortOne.stringView(), "bcdefgh");
    EXPECT_EQ(text.stringView(), "a string long enough for storage");
}

TEST(StringValueTest, LengthsPastTheLimitAreOverflow) {
    // Refused before anything is allocated or changed.
    Value v("kept");
    EXPECT_EQ(failure([&] { v.makeString(SharedText::lengthLimit + 1); }), "Error 15");
    EXPECT_EQ(v.stringView(), "kept");
}

}  // namespace
}  // namespace tbasic
