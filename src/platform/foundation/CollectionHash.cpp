#include "platform/foundation/CollectionHash.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"

#include <cstdint>
#include <random>

namespace platform {

namespace {

constexpr int MaxDepth = 16;
constexpr std::size_t MaxEntries = std::size_t(1) << 16;

std::uint64_t processKey() {
    static const std::uint64_t key = [] {
        std::random_device device;
        return std::uint64_t(device()) << 32 ^ device();
    }();
    return key;
}

// The finaliser of MurmurHash3: every bit of the input changes about half the bits of the
// result.
std::uint64_t mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return x;
}

// A collection past the depth or the budget counts by its number of entries alone; which of
// them are, depends only on the content, so equal collections still hash alike.
std::uint64_t shallowHash(const Object& object) {
    if (const auto* array = dynamic_cast<const Array*>(&object))
        return mix(processKey() ^ array->count());
    if (const auto* dictionary = dynamic_cast<const Dictionary*>(&object))
        return mix(~processKey() ^ dictionary->count());
    return object.hash();
}

std::uint64_t hashOf(const Object& object, int depth, std::size_t& budget);

std::uint64_t arrayHash(const Array& array, int depth, std::size_t& budget) {
    std::uint64_t hash = mix(processKey() ^ array.count());
    for (const auto& entry : array) {
        if (budget == 0)
            break;
        --budget;
        hash = mix(hash + processKey() + hashOf(*entry, depth + 1, budget));
    }
    return hash;
}

// The entries are summed, since their order does not make dictionaries differ; their keys and
// values count shallowly, so that the order cannot change which of them the budget reaches.
std::uint64_t dictionaryHash(const Dictionary& dictionary, std::size_t& budget) {
    if (dictionary.count() > budget)
        return shallowHash(dictionary);
    budget -= dictionary.count();
    std::uint64_t sum = mix(~processKey() ^ dictionary.count());
    for (const auto& entry : dictionary)
        sum += mix(mix(processKey() + shallowHash(*entry.key)) + shallowHash(*entry.value));
    return sum;
}

std::uint64_t hashOf(const Object& object, int depth, std::size_t& budget) {
    if (depth >= MaxDepth)
        return shallowHash(object);
    if (const auto* array = dynamic_cast<const Array*>(&object))
        return arrayHash(*array, depth, budget);
    if (const auto* dictionary = dynamic_cast<const Dictionary*>(&object))
        return dictionaryHash(*dictionary, budget);
    return object.hash();
}

} // namespace

std::size_t collectionHash(const Array& array) {
    std::size_t budget = MaxEntries;
    return static_cast<std::size_t>(arrayHash(array, 0, budget));
}

std::size_t collectionHash(const Dictionary& dictionary) {
    std::size_t budget = MaxEntries;
    return static_cast<std::size_t>(dictionaryHash(dictionary, budget));
}

std::size_t keyedHash(std::size_t hash) {
    return static_cast<std::size_t>(mix(processKey() ^ hash));
}

} // namespace platform
