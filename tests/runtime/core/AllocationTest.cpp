// Counts every allocation of this test program, so that the string operations can be shown to
// allocate nothing. Every plain form of new and delete is replaced, so that memory from one is
// always released by its partner (the sanitizers check that).

#include "CoreTesting.h"

#include "runtime/core/NumberText.h"
#include "runtime/core/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

std::size_t allocations = 0;

void* allocate(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

using namespace coretesting;

TEST(Allocation, StringOperationsAndNumberTextAllocateNothing) {
    RuntimeInit();
    gQVStk() = 0;
    static constexpr PStr name = PStrLiteral("Ann");
    static constexpr PStr ranks = PStrLiteral("A234567890JQK");
    int checksum = 0;
    const std::size_t probe = allocations;
    int* volatile counted = new int(1);
    delete counted;
    ASSERT_EQ(allocations, probe + 1) << "the counter does not see allocations";
    const std::size_t before = allocations;
    for (int i = 0; i < 3000; ++i) {
        PStr& message = PStrCopy(TempPStr(), PStrLiteral("Do you have a "));
        PStrAppend(message,
                   PStrMid(PStrCopy(TempPStr(), ranks), static_cast<std::int16_t>(i % 13 + 1), 1));
        PStrAppend(message, NumberToPStr(i * 0.5));
        PStrAppend(message, name);
        PStrAppend(message, PStrFill(static_cast<std::int16_t>(i % 300), 'x'));
        checksum += PStrFind(1, PStrCopy(TempPStr(), message), PStrCopy(TempPStr(), name));
        checksum += PStrLength(PStrCopy(TempPStr(), PStrUpper(PStrCopy(TempPStr(), message))));
        checksum += PStrEqual(PStrCopy(TempPStr(), name), PStrCopy(TempPStr(), ranks));
        checksum += RandomUpTo(13);
        PStr scratch;
        checksum += PStrToCString(PStrCopy(scratch, message))[0];
        checksum += PStrLength(message);
    }
    const std::size_t during = allocations - before;
    EXPECT_EQ(gQVStk(), 0);
    EXPECT_NE(checksum, 0);
    EXPECT_EQ(during, 0u);
}
