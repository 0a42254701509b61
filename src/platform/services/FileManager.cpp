#include "platform/services/FileManager.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/FileManagerDelegate.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

namespace platform {

namespace {

namespace fs = std::filesystem;

enum class Kind { Move, Copy, Remove };

fs::path pathOf(const Ref<URL>& url) {
    return url ? fs::path(url->path()->utf8()) : fs::path();
}

Ref<URL> urlOf(const fs::path& path) {
    return URL::fileURLWithPath(*String::fromUtf8(path.string()));
}

Ref<Error> fileError(std::error_code code, const char* verb, const fs::path& path) {
    auto info = Dictionary::dictionary();
    info->setObjectForKey(String::fromUtf8("Could not " + std::string(verb) + " \u201c" +
                                           path.filename().string() + "\u201d: " + code.message() +
                                           "."),
                          LocalizedDescriptionKey());
    return std::make_shared<Error>(POSIXErrorDomain(), code.value(), info);
}

std::vector<fs::path> entriesOf(const fs::path& directory, std::error_code& code) {
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(directory, code), end; !code && it != end; it.increment(code))
        entries.push_back(it->path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

// One operation on a tree: it walks the items in name order, asks the delegate about each, and
// keeps the first error. Each step answers false when a question stopped the operation.
class Operation {
public:
    Operation(Ref<FileManager> manager, Kind kind) : manager_(std::move(manager)), kind_(kind) {
        delegate_ = manager_->delegate();
        if (!delegate_)
            delegate_ = std::make_shared<FileManagerDelegate>();
    }

    bool shouldMove(const fs::path& from, const fs::path& to) {
        return delegate_->fileManagerShouldMoveItemAtURLToURL(manager_, urlOf(from), urlOf(to));
    }

    bool copyTree(const fs::path& from, const fs::path& to) {
        if (kind_ == Kind::Copy &&
            !delegate_->fileManagerShouldCopyItemAtURLToURL(manager_, urlOf(from), urlOf(to)))
            return true;
        std::error_code code;
        const fs::file_status status = fs::symlink_status(from, code);
        if (code)
            return failed(code, "copy", from, to);
        if (fs::is_symlink(status)) {
            fs::copy_symlink(from, to, code);
        } else if (fs::is_regular_file(status)) {
            fs::copy_file(from, to, fs::copy_options::none, code);
        } else if (fs::is_directory(status)) {
            if (fs::create_directory(to, code); !code)
                fs::permissions(to, status.permissions(), code);
            if (code)
                return failed(code, "copy", from, to);
            directories_.push_back(from);
            const auto entries = entriesOf(from, code);
            if (code)
                return failed(code, "copy", from, to);
            for (const auto& entry : entries)
                if (!copyTree(entry, to / entry.filename()))
                    return false;
            return true;
        } else {
            // Sockets, pipes and devices have no content to copy.
            code = std::make_error_code(std::errc::operation_not_supported);
        }
        if (code)
            return failed(code, "copy", from, to);
        copied_.push_back(from);
        return true;
    }

    bool removeTree(const fs::path& item) {
        if (!delegate_->fileManagerShouldRemoveItemAtURL(manager_, urlOf(item)))
            return true;
        std::error_code code;
        if (fs::is_directory(fs::symlink_status(item, code))) {
            const auto entries = entriesOf(item, code);
            if (code)
                return failed(code, "remove", item, {});
            for (const auto& entry : entries)
                if (!removeTree(entry))
                    return false;
        }
        fs::remove(item, code);
        return !code || failed(code, "remove", item, {});
    }

    // After a move's copy: the source items that were copied go, and then each directory left
    // empty; the items an error kept from the destination stay in the source.
    void removeCopiedSources() {
        std::error_code code;
        for (const auto& item : copied_)
            fs::remove(item, code);
        for (auto directory = directories_.rbegin(); directory != directories_.rend(); ++directory)
            fs::remove(*directory, code);
    }

    // Reports a failure before the walk, answering false.
    bool refuse(std::error_code code, const char* verb, const fs::path& item) {
        error_ = fileError(code, verb, item);
        return false;
    }

    // Asks whether to go past the error; answers the delegate's choice.
    bool failed(std::error_code code, const char* verb, const fs::path& from, const fs::path& to) {
        const auto error = fileError(code, verb, from);
        if (!error_)
            error_ = error;
        switch (kind_) {
        case Kind::Move:
            return delegate_->fileManagerShouldProceedAfterErrorMovingItemAtURLToURL(
                manager_, error, urlOf(from), urlOf(to));
        case Kind::Copy:
            return delegate_->fileManagerShouldProceedAfterErrorCopyingItemAtURLToURL(
                manager_, error, urlOf(from), urlOf(to));
        case Kind::Remove:
            return delegate_->fileManagerShouldProceedAfterErrorRemovingItemAtURL(manager_, error,
                                                                                  urlOf(from));
        }
        return false;
    }

    bool finish(bool done, Ref<Error>* error) const {
        if (!done && error)
            *error = error_;
        return done;
    }

private:
    Ref<FileManager> manager_;
    Kind kind_;
    std::shared_ptr<FileManagerDelegate> delegate_;
    Ref<Error> error_;
    std::vector<fs::path> copied_;
    std::vector<fs::path> directories_;
};

// The checks every copy and move makes before it touches anything.
bool canTransfer(Operation& operation, const fs::path& from, const fs::path& to, const char* verb) {
    std::error_code code;
    if (!fs::exists(fs::symlink_status(from, code)))
        return operation.refuse(std::make_error_code(std::errc::no_such_file_or_directory), verb,
                                from);
    if (fs::exists(fs::symlink_status(to, code)))
        return operation.refuse(std::make_error_code(std::errc::file_exists), verb, to);
    return true;
}

} // namespace

Ref<FileManager> FileManager::defaultManager() {
    static const auto manager = std::make_shared<FileManager>();
    return manager;
}

bool FileManager::copyItemAtURLToURL(const Ref<URL>& source, const Ref<URL>& destination,
                                     Ref<Error>* error) {
    Operation operation(std::static_pointer_cast<FileManager>(self()), Kind::Copy);
    const fs::path from = pathOf(source), to = pathOf(destination);
    if (!canTransfer(operation, from, to, "copy"))
        return operation.finish(false, error);
    if (!operation.copyTree(from, to)) {
        std::error_code code;
        fs::remove_all(to, code);
        return operation.finish(false, error);
    }
    return operation.finish(true, error);
}

bool FileManager::moveItemAtURLToURL(const Ref<URL>& source, const Ref<URL>& destination,
                                     Ref<Error>* error) {
    Operation operation(std::static_pointer_cast<FileManager>(self()), Kind::Move);
    const fs::path from = pathOf(source), to = pathOf(destination);
    if (!operation.shouldMove(from, to))
        return operation.finish(true, error);
    if (!canTransfer(operation, from, to, "move"))
        return operation.finish(false, error);
    std::error_code code;
    fs::rename(from, to, code);
    if (!code)
        return operation.finish(true, error);
    // The item failed as a whole, so no answer to the question makes the move a success.
    if (code != std::errc::cross_device_link) {
        operation.failed(code, "move", from, to);
        return operation.finish(false, error);
    }
    // Another file system: copied first, the source removed only after.
    if (!operation.copyTree(from, to)) {
        fs::remove_all(to, code);
        return operation.finish(false, error);
    }
    operation.removeCopiedSources();
    return operation.finish(true, error);
}

bool FileManager::removeItemAtURL(const Ref<URL>& item, Ref<Error>* error) {
    Operation operation(std::static_pointer_cast<FileManager>(self()), Kind::Remove);
    const fs::path path = pathOf(item);
    std::error_code code;
    if (!fs::exists(fs::symlink_status(path, code)))
        return operation.finish(
            operation.refuse(std::make_error_code(std::errc::no_such_file_or_directory), "remove",
                             path),
            error);
    return operation.finish(operation.removeTree(path), error);
}

} // namespace platform
