#pragma once

// Internal to the platform: the toolkit document behind a text storage.

#include "platform/views/TextStorage.h"

#include <QTextDocument>

#include <vector>

namespace platform {

class Dictionary;

struct TextStorage::Peer {
    QTextDocument document;
    // The attribute dictionaries given to the text, each once; a character's format names its
    // dictionary by its index here, so the program gets back the very dictionary it gave.
    std::vector<Ref<Dictionary>> attributeSets;
};

namespace detail {

// The text between two positions of the document as the storage holds it: the document's
// paragraph separators are line feeds.
QString storageText(QString documentText);

} // namespace detail
} // namespace platform
