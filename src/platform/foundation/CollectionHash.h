#pragma once

// The hashes of arrays and dictionaries, by content, so that collections used as dictionary keys
// spread over the table as strings and numbers do. Equal collections hash alike. The cost is
// bounded whatever the collection holds (nesting, shared parts, cycles): nested collections are
// followed only so deep, and only so many entries are visited in all; the rest counts by its
// number of entries. The hashes are keyed with a number chosen at random for each process, so
// that a file cannot be made whose collections all fall on one hash.

#include <cstddef>

namespace platform {

class Array;
class Dictionary;

std::size_t collectionHash(const Array& array);
std::size_t collectionHash(const Dictionary& dictionary);

// A hash mixed with the same key, for a table whose keys come from outside: numbers hash to
// themselves, so without it numbers chosen to be multiples of the table's size would all fall
// in one bucket.
std::size_t keyedHash(std::size_t hash);

} // namespace platform
