#pragma once

#include "platform/foundation/Object.h"

#include <string>

namespace platform {

// A URL, usually the location of a file. It keeps its text and its decoded path; Qt parses it
// when it is made.
class URL : public Object {
public:
    // A file URL for a local path. A relative path is resolved against the current directory;
    // a path naming an existing directory gets a trailing slash in the URL's text.
    static Ref<URL> fileURLWithPath(const String& path);
    // The URL written in string (percent-encoded where needed), or none when it is empty or not
    // a valid URL.
    static Ref<URL> URLWithString(const String& string);

    // "file:///tmp/a%20b.txt" for a file URL; the text given to URLWithString otherwise.
    Ref<String> absoluteString() const;
    // The decoded path without a trailing slash ("/" stays "/").
    Ref<String> path() const;
    bool isFileURL() const { return file_; }
    Ref<String> lastPathComponent() const;
    // The extension of the last path component without its dot, "" when it has none.
    Ref<String> pathExtension() const;
    Ref<URL> URLByAppendingPathComponent(const String& component) const;

    // The absolute string.
    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    URL(std::u16string absolute, std::u16string path, bool file);

    std::u16string absolute_;
    std::u16string path_;
    bool file_;
};

} // namespace platform
