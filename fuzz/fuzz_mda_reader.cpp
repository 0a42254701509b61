// Feeds arbitrary bytes to the dynamic array's file reader, then works the array that any
// accepted file gives: both listings and the table text, reads and stores along every
// dimension, counting, removing nulls and sorting. An accepted file must write back to the same
// bytes as the array it gave, and read again. When the first input byte is odd the rest of the
// input follows the file's header and version, so that the fuzzer spends its time on the
// content rather than on finding the header. The seeds in fuzz/corpus/fuzz_mda_reader start it
// from crafted files that once stalled the reader or swelled its memory.

#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/String.h"
#include "runtime/arrays/MDAObj.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <span>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

constexpr std::uint8_t Header[] = {0xd9, 0xd9, 0xf7, 0xda, 'P', 'O', 'N', 'D', 0x82, 0x01};

// Only arrays of a handful of dimensions are addressed; a file may claim any number.
constexpr std::int64_t MaxAddressedDims = 8;

void work(MDAObj& mda) {
    check(mda.array() != nullptr && mda.dims() >= 0);
    mda.description();
    mda.descriptionWithTagEmptyArraysNulls(-1, false, true);
    mda.text();

    const auto written = mda.archivedData();
    check(written != nullptr);
    MDAObj again;
    check(again.readFromData(*written));
    check(again.dims() == mda.dims());
    const auto rewritten = again.archivedData();
    check(rewritten != nullptr && rewritten->bytes() == written->bytes());

    if (mda.dims() >= 1 && mda.dims() <= MaxAddressedDims) {
        const auto dims = static_cast<std::size_t>(mda.dims());
        for (std::int64_t index : {0, 1, 3}) {
            const std::vector<std::int64_t> indices(dims, index);
            mda.objectv(indices);
            mda.countv(std::span(indices).first(dims - 1));
            const auto marker = platform::String::fromUtf8("marker");
            mda.setObjectvArgs(marker, indices);
            // An element where a row should be blocks the store and the read alike; otherwise
            // the store lands.
            const auto stored = mda.objectv(indices);
            check(!stored || stored == marker);
            mda.insertObjectvArgs(marker, indices);
            mda.addObjectvArgs(marker, indices);
            mda.removevArgs(indices[0], std::span(indices).subspan(1));
        }
    }
    mda.removeNulls();
    mda.sortUsingSelector(platform::String::fromUtf8("caseInsensitiveCompare:"));
    mda.sortUsingSelector(nullptr);
    mda.text();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    std::vector<std::uint8_t> bytes;
    if (data[0] & 1)
        bytes.assign(std::begin(Header), std::end(Header));
    bytes.insert(bytes.end(), data + 1, data + size);
    MDAObj mda;
    if (mda.readFromData(*platform::Data::create(std::move(bytes))))
        work(mda);
    else
        check(mda.array() == nullptr && mda.dims() == 0);
    return 0;
}
