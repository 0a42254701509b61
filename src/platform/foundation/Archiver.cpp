#include "platform/foundation/Archiver.h"

#include "platform/detail/ImagePeer.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Null.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Value.h"

#include <QBuffer>
#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr quint64 SelfDescribedTag = 55799;
constexpr quint64 UriTag = 32;
// Our own tags, in the first-come-first-served range: "POND" heads the file, the others mark
// values that CBOR has no type for.
constexpr quint64 ArchiveTag = 0x504F4E44;
constexpr quint64 ColorTag = 0x504F4E00 + 1;
constexpr quint64 PointTag = 0x504F4E00 + 2;
constexpr quint64 SizeTag = 0x504F4E00 + 3;
constexpr quint64 RectTag = 0x504F4E00 + 4;
constexpr quint64 RangeTag = 0x504F4E00 + 5;
// A string that is not well-formed UTF-16 (a lone surrogate) cannot be a CBOR text string; it
// is kept as its code units, little-endian, in a byte string.
constexpr quint64 Utf16Tag = 0x504F4E00 + 6;
// An attributed string is its string and its attribute dictionary; a font its name and size;
// an image its picture in PNG.
constexpr quint64 AttributedStringTag = 0x504F4E00 + 7;
constexpr quint64 FontTag = 0x504F4E00 + 8;
constexpr quint64 ImageTag = 0x504F4E00 + 9;
constexpr std::int64_t FormatVersion = 1;

// A file descriptor closed when it goes out of scope.
struct FileDescriptor {
    explicit FileDescriptor(int descriptor) : fd(descriptor) {}
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    const int fd;
};

bool isWellFormedUtf16(const std::u16string& units) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit >= 0xD800 && unit < 0xDC00) {
            if (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] >= 0xE000)
                return false;
            ++i;
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            return false;
        }
    }
    return true;
}

// The estimate of the memory an archive's objects take once decoded (see ArchiveLimits). The
// writer and the reader charge the same amounts, so that whatever is written can be read.
std::size_t pictureCost(QSize size) {
    return 4 * std::size_t(std::max(0, size.width())) * std::size_t(std::max(0, size.height()));
}

class DecodedBudget {
public:
    explicit DecodedBudget(std::size_t bytes) : left_(bytes) {}
    bool charge(std::size_t bytes) {
        if (bytes > left_)
            return false;
        left_ -= bytes;
        return true;
    }
    bool chargeText(std::size_t units) { return charge(2 * units); }
    bool chargeURL(std::size_t units) { return charge(4 * units); }

private:
    std::size_t left_;
};

class Writer {
public:
    Writer(QByteArray* bytes, const ArchiveLimits& limits)
        : writer_(bytes), limits_(limits), budget_(limits.maxDecodedBytes) {}

    bool writeArchive(const Object& root) {
        writer_.append(QCborTag(SelfDescribedTag));
        writer_.append(QCborTag(ArchiveTag));
        writer_.startArray(2);
        writer_.append(static_cast<qint64>(FormatVersion));
        return write(root, 0) && writer_.endArray();
    }

    bool write(const Object& object, int depth) {
        if (++objects_ > limits_.maxObjects || !budget_.charge(ArchiveLimits::ObjectCost))
            return false;
        if (const auto* string = dynamic_cast<const String*>(&object))
            return writeString(*string);
        if (const auto* number = dynamic_cast<const Number*>(&object))
            return writeNumber(*number);
        if (dynamic_cast<const Null*>(&object)) {
            writer_.appendNull();
            return true;
        }
        if (const auto* array = dynamic_cast<const Array*>(&object)) {
            if (depth >= limits_.maxDepth)
                return false;
            writer_.startArray(array->count());
            for (const auto& entry : *array)
                if (!write(*entry, depth + 1))
                    return false;
            return writer_.endArray();
        }
        if (const auto* dictionary = dynamic_cast<const Dictionary*>(&object)) {
            if (depth >= limits_.maxDepth ||
                !budget_.charge(ArchiveLimits::EntryCost * dictionary->count()))
                return false;
            writer_.startMap(dictionary->count());
            for (const auto& entry : *dictionary)
                if (!write(*entry.key, depth + 1) || !write(*entry.value, depth + 1))
                    return false;
            return writer_.endMap();
        }
        if (const auto* data = dynamic_cast<const Data*>(&object)) {
            if (!budget_.charge(data->length()))
                return false;
            writer_.appendByteString(reinterpret_cast<const char*>(data->bytes().data()),
                                     static_cast<qsizetype>(data->length()));
            return true;
        }
        if (const auto* url = dynamic_cast<const URL*>(&object)) {
            const auto text = url->absoluteString();
            if (!budget_.chargeURL(text->utf16().size()))
                return false;
            writer_.append(QCborTag(UriTag));
            writer_.append(QString::fromStdU16String(text->utf16()));
            return true;
        }
        if (const auto* color = dynamic_cast<const Color*>(&object)) {
            writeDoubles<4>(ColorTag, {color->redComponent(), color->greenComponent(),
                                       color->blueComponent(), color->alphaComponent()});
            return true;
        }
        if (const auto* value = dynamic_cast<const Value*>(&object))
            return writeValue(*value);
        if (const auto* text = dynamic_cast<const AttributedString*>(&object)) {
            if (depth >= limits_.maxDepth)
                return false;
            writer_.append(QCborTag(AttributedStringTag));
            writer_.startArray(2);
            return write(*text->string(), depth + 1) && write(*text->attributes(), depth + 1) &&
                   writer_.endArray();
        }
        if (const auto* font = dynamic_cast<const Font*>(&object)) {
            writer_.append(QCborTag(FontTag));
            writer_.startArray(2);
            return writeString(*font->fontName()) && (writer_.append(font->pointSize()), true) &&
                   writer_.endArray();
        }
        if (const auto* image = dynamic_cast<const Image*>(&object))
            return writeImage(image->peer().image);
        return false;
    }

private:
    bool writeString(const String& string) {
        const auto& units = string.utf16();
        if (!budget_.chargeText(units.size()))
            return false;
        if (isWellFormedUtf16(units)) {
            writer_.append(QStringView(units.data(), static_cast<qsizetype>(units.size())));
            return true;
        }
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(units.size() * 2));
        for (const char16_t unit : units) {
            bytes.append(static_cast<char>(unit & 0xFF));
            bytes.append(static_cast<char>(unit >> 8));
        }
        writer_.append(QCborTag(Utf16Tag));
        writer_.append(bytes);
        return true;
    }

    bool writeNumber(const Number& number) {
        switch (number.kind()) {
        case Number::Kind::Integer:
            writer_.append(static_cast<qint64>(number.integerValue()));
            break;
        case Number::Kind::Double:
            writer_.append(number.doubleValue());
            break;
        case Number::Kind::Bool:
            writer_.append(number.boolValue());
            break;
        }
        return true;
    }

    bool writeImage(const QImage& image) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!budget_.charge(pictureCost(image.size())) || !buffer.open(QIODevice::WriteOnly) ||
            !image.save(&buffer, "PNG"))
            return false;
        writer_.append(QCborTag(ImageTag));
        writer_.append(png);
        return true;
    }

    template <std::size_t N>
    void writeDoubles(quint64 tag, const std::array<double, N>& values) {
        writer_.append(QCborTag(tag));
        writer_.startArray(N);
        for (const double value : values)
            writer_.append(value);
        writer_.endArray();
    }

    bool writeValue(const Value& value) {
        switch (value.kind()) {
        case Value::Kind::Point: {
            const Point p = value.pointValue();
            writeDoubles<2>(PointTag, {p.x, p.y});
            return true;
        }
        case Value::Kind::Size: {
            const Size s = value.sizeValue();
            writeDoubles<2>(SizeTag, {s.width, s.height});
            return true;
        }
        case Value::Kind::Rect: {
            const Rect r = value.rectValue();
            writeDoubles<4>(RectTag, {r.origin.x, r.origin.y, r.size.width, r.size.height});
            return true;
        }
        case Value::Kind::Range: {
            const Range r = value.rangeValue();
            writer_.append(QCborTag(RangeTag));
            writer_.startArray(2);
            writer_.append(static_cast<qint64>(r.location));
            writer_.append(static_cast<qint64>(r.length));
            writer_.endArray();
            return true;
        }
        case Value::Kind::Pointer:
            // An address means nothing in another process.
            return false;
        }
        return false;
    }

    QCborStreamWriter writer_;
    const ArchiveLimits& limits_;
    DecodedBudget budget_;
    std::size_t objects_ = 0;
};

// Reads one archive. Every step checks the reader's state, so that truncated or malformed input
// ends the read with none; no count declared in the input is trusted for an allocation, so
// memory grows only with what is actually present.
class Reader {
public:
    Reader(const QByteArray& bytes, const ArchiveLimits& limits)
        : reader_(bytes), size_(bytes.size()), limits_(limits), budget_(limits.maxDecodedBytes) {}

    Ref<Object> readArchive() {
        if (!expectTag(SelfDescribedTag) || !expectTag(ArchiveTag) ||
            reader_.type() != QCborStreamReader::Array || !reader_.enterContainer())
            return nullptr;
        std::int64_t version = 0;
        if (!readInteger(version) || version != FormatVersion || !reader_.hasNext())
            return nullptr;
        Ref<Object> root = read(0);
        if (!root || reader_.hasNext() || !leave())
            return nullptr;
        // Nothing may follow the archive.
        if (reader_.lastError() != QCborError::NoError || reader_.currentOffset() != size_)
            return nullptr;
        return root;
    }

private:
    bool failed() { return reader_.lastError() != QCborError::NoError; }

    bool leave() { return !failed() && reader_.leaveContainer(); }

    bool expectTag(quint64 tag) {
        if (reader_.type() != QCborStreamReader::Tag || quint64(reader_.toTag()) != tag)
            return false;
        return reader_.next();
    }

    Ref<Object> read(int depth) {
        if (++objects_ > limits_.maxObjects || !budget_.charge(ArchiveLimits::ObjectCost) ||
            failed())
            return nullptr;
        switch (reader_.type()) {
        case QCborStreamReader::UnsignedInteger:
        case QCborStreamReader::NegativeInteger: {
            std::int64_t value = 0;
            return readInteger(value) ? Number::numberWithInteger(value) : nullptr;
        }
        case QCborStreamReader::Float16:
        case QCborStreamReader::Float:
        case QCborStreamReader::Double: {
            double value = 0;
            return readDouble(value) ? Number::numberWithDouble(value) : nullptr;
        }
        case QCborStreamReader::SimpleType:
            return readSimple();
        case QCborStreamReader::String: {
            QString text;
            return readText(text) && budget_.chargeText(std::size_t(text.size()))
                       ? String::create(text.toStdU16String())
                       : nullptr;
        }
        case QCborStreamReader::ByteArray: {
            QByteArray bytes;
            return readBytes(bytes) && budget_.charge(std::size_t(bytes.size()))
                       ? Data::dataWithBytes(bytes.constData(),
                                             static_cast<std::size_t>(bytes.size()))
                       : nullptr;
        }
        case QCborStreamReader::Array:
            return depth < limits_.maxDepth ? readArray(depth) : nullptr;
        case QCborStreamReader::Map:
            return depth < limits_.maxDepth ? readDictionary(depth) : nullptr;
        case QCborStreamReader::Tag:
            return readTagged(depth);
        case QCborStreamReader::Invalid:
            return nullptr;
        }
        return nullptr;
    }

    Ref<Object> readSimple() {
        Ref<Object> result;
        if (reader_.isNull())
            result = Null::null();
        else if (reader_.isBool())
            result = Number::numberWithBool(reader_.toBool());
        else
            return nullptr;
        return reader_.next() ? result : nullptr;
    }

    bool readInteger(std::int64_t& value) {
        constexpr quint64 limit = quint64(std::numeric_limits<std::int64_t>::max());
        if (reader_.type() == QCborStreamReader::UnsignedInteger) {
            const quint64 magnitude = reader_.toUnsignedInteger();
            if (magnitude > limit)
                return false;
            value = static_cast<std::int64_t>(magnitude);
        } else if (reader_.type() == QCborStreamReader::NegativeInteger) {
            // The stream holds -1 - n; n must fit so that the value is at least INT64_MIN.
            const quint64 n = quint64(reader_.toNegativeInteger()) - 1;
            if (n > limit)
                return false;
            value = -1 - static_cast<std::int64_t>(n);
        } else {
            return false;
        }
        return reader_.next();
    }

    bool readDouble(double& value) {
        switch (reader_.type()) {
        case QCborStreamReader::Float16:
            value = double(float(reader_.toFloat16()));
            break;
        case QCborStreamReader::Float:
            value = double(reader_.toFloat());
            break;
        case QCborStreamReader::Double:
            value = reader_.toDouble();
            break;
        default: {
            std::int64_t integer = 0;
            if (!readInteger(integer))
                return false;
            value = double(integer);
            return true;
        }
        }
        return reader_.next();
    }

    // A declared length longer than what is left of the input cannot be complete; refusing it
    // early keeps the reader from sizing a buffer by it.
    bool fitsInRemainingInput() {
        return !reader_.isLengthKnown() ||
               reader_.length() <= quint64(size_ - reader_.currentOffset());
    }

    bool readText(QString& text) {
        if (!fitsInRemainingInput())
            return false;
        auto chunk = reader_.readString();
        while (chunk.status == QCborStreamReader::Ok) {
            text += chunk.data;
            chunk = reader_.readString();
        }
        return chunk.status == QCborStreamReader::EndOfString && !failed();
    }

    bool readBytes(QByteArray& bytes) {
        if (!fitsInRemainingInput())
            return false;
        auto chunk = reader_.readByteArray();
        while (chunk.status == QCborStreamReader::Ok) {
            bytes += chunk.data;
            chunk = reader_.readByteArray();
        }
        return chunk.status == QCborStreamReader::EndOfString && !failed();
    }

    Ref<Object> readArray(int depth) {
        if (!reader_.enterContainer())
            return nullptr;
        auto array = Array::array();
        while (reader_.hasNext()) {
            Ref<Object> entry = read(depth + 1);
            if (!entry)
                return nullptr;
            array->addObject(std::move(entry));
        }
        return leave() ? array : nullptr;
    }

    Ref<Object> readDictionary(int depth) {
        if (!reader_.enterContainer())
            return nullptr;
        auto dictionary = Dictionary::dictionary();
        while (reader_.hasNext()) {
            Ref<Object> key = read(depth + 1);
            if (!key || !reader_.hasNext())
                return nullptr;
            Ref<Object> value = read(depth + 1);
            if (!value || !budget_.charge(ArchiveLimits::EntryCost))
                return nullptr;
            dictionary->setObjectForKey(std::move(value), std::move(key));
        }
        return leave() ? dictionary : nullptr;
    }

    // Exactly N numbers in an array.
    template <std::size_t N>
    bool readDoubles(std::array<double, N>& values) {
        if (reader_.type() != QCborStreamReader::Array || !reader_.enterContainer())
            return false;
        for (double& value : values)
            if (!reader_.hasNext() || !readDouble(value))
                return false;
        return !reader_.hasNext() && leave();
    }

    Ref<Object> readAttributedString(int depth) {
        if (depth >= limits_.maxDepth || reader_.type() != QCborStreamReader::Array ||
            !reader_.enterContainer() || !reader_.hasNext())
            return nullptr;
        const auto string = std::dynamic_pointer_cast<String>(read(depth + 1));
        if (!string || !reader_.hasNext())
            return nullptr;
        const auto attributes = std::dynamic_pointer_cast<Dictionary>(read(depth + 1));
        if (!attributes || reader_.hasNext() || !leave())
            return nullptr;
        return AttributedString::create(string, attributes);
    }

    // A font the machine does not have is read as the system font of the size.
    Ref<Object> readFont() {
        QString name;
        double size = 0;
        if (reader_.type() != QCborStreamReader::Array || !reader_.enterContainer() ||
            !reader_.hasNext() || reader_.type() != QCborStreamReader::String || !readText(name) ||
            !budget_.chargeText(std::size_t(name.size())) || !reader_.hasNext() ||
            !readDouble(size) || reader_.hasNext() || !leave() || !(size > 0 && size < 10000))
            return nullptr;
        const auto font = Font::fontWithNameSize(*String::create(name.toStdU16String()), size);
        return font ? font : Font::systemFontOfSize(size);
    }

    // The picture's size is checked against the budget before it is decoded.
    Ref<Object> readImage() {
        QByteArray png;
        if (reader_.type() != QCborStreamReader::ByteArray || !readBytes(png))
            return nullptr;
        QBuffer buffer(&png);
        buffer.open(QIODevice::ReadOnly);
        QImageReader decoder(&buffer, "PNG");
        const QSize size = decoder.size();
        if (!size.isValid() || !budget_.charge(pictureCost(size)))
            return nullptr;
        QImage picture;
        if (!decoder.read(&picture))
            return nullptr;
        const auto image = std::make_shared<Image>(Size{});
        image->peer().image = std::move(picture);
        return image;
    }

    Ref<Object> readTagged(int depth) {
        const quint64 tag = quint64(reader_.toTag());
        if (!reader_.next())
            return nullptr;
        switch (tag) {
        case UriTag: {
            QString text;
            if (reader_.type() != QCborStreamReader::String || !readText(text) ||
                !budget_.chargeURL(std::size_t(text.size())))
                return nullptr;
            return URL::URLWithString(*String::create(text.toStdU16String()));
        }
        case Utf16Tag: {
            QByteArray bytes;
            if (reader_.type() != QCborStreamReader::ByteArray || !readBytes(bytes) ||
                bytes.size() % 2 != 0 || !budget_.charge(std::size_t(bytes.size())))
                return nullptr;
            std::u16string units(static_cast<std::size_t>(bytes.size() / 2), u'\0');
            for (std::size_t i = 0; i < units.size(); ++i)
                units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                                 static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
            return String::create(std::move(units));
        }
        case ColorTag: {
            std::array<double, 4> c{};
            return readDoubles(c) ? Color::colorWithRed(c[0], c[1], c[2], c[3]) : nullptr;
        }
        case PointTag: {
            std::array<double, 2> p{};
            return readDoubles(p) ? Value::valueWithPoint({p[0], p[1]}) : nullptr;
        }
        case SizeTag: {
            std::array<double, 2> s{};
            return readDoubles(s) ? Value::valueWithSize({s[0], s[1]}) : nullptr;
        }
        case RectTag: {
            std::array<double, 4> r{};
            return readDoubles(r) ? Value::valueWithRect(Rect(r[0], r[1], r[2], r[3])) : nullptr;
        }
        case AttributedStringTag:
            return readAttributedString(depth);
        case FontTag:
            return readFont();
        case ImageTag:
            return readImage();
        case RangeTag: {
            std::int64_t location = 0, length = 0;
            if (reader_.type() != QCborStreamReader::Array || !reader_.enterContainer() ||
                !reader_.hasNext() || !readInteger(location) || !reader_.hasNext() ||
                !readInteger(length) || reader_.hasNext() || !leave())
                return nullptr;
            return Value::valueWithRange({location, length});
        }
        default:
            return nullptr;
        }
    }

    QCborStreamReader reader_;
    qint64 size_;
    const ArchiveLimits& limits_;
    DecodedBudget budget_;
    std::size_t objects_ = 0;
};

} // namespace

Ref<Data> Archiver::archivedDataWithRootObject(const Ref<Object>& root,
                                               const ArchiveLimits& limits) {
    if (!root)
        return nullptr;
    QByteArray bytes;
    if (!Writer(&bytes, limits).writeArchive(*root))
        return nullptr;
    if (static_cast<std::size_t>(bytes.size()) > limits.maxBytes)
        return nullptr;
    return Data::dataWithBytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool Archiver::archiveRootObjectToFile(const Ref<Object>& root, const String& path) {
    const Ref<Data> data = archivedDataWithRootObject(root);
    if (!data || path.isEmpty())
        return false;
    const QString name = QString::fromStdU16String(path.utf16());
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(data->length());
    if (file.write(reinterpret_cast<const char*>(data->bytes().data()), size) != size) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    // The rename is an entry of the folder: until the folder is synced, a power loss can bring
    // back the earlier file, or none.
    const FileDescriptor folder(
        ::open(QFile::encodeName(QFileInfo(name).absolutePath()).constData(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd >= 0)
        ::fsync(folder.fd);
    return true;
}

Ref<Object> Archiver::unarchiveObjectWithData(const Data& data, const ArchiveLimits& limits) {
    if (data.length() > limits.maxBytes)
        return nullptr;
    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.bytes().data()),
                                               static_cast<qsizetype>(data.length()));
    return Reader(bytes, limits).readArchive();
}

Ref<Object> Archiver::unarchiveObjectWithFile(const String& path) {
    const ArchiveLimits limits;
    // Only a regular file is read: reading a device could go on for ever, and opening a pipe
    // could wait for ever for a writer. So the path is opened without waiting and the file it
    // opened is checked; a check of the path before opening it would leave a moment in which
    // a pipe could take the file's place.
    const QString name = QString::fromStdU16String(path.utf16());
    // The system would read such a name only up to its first NUL.
    if (name.contains(QChar(0)))
        return nullptr;
    const FileDescriptor file(
        ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > limits.maxBytes)
        return nullptr;
    // The file may still grow while it is read: the buffer grows with it up to one byte past
    // the limit, which is enough to refuse it.
    const auto limit = static_cast<qsizetype>(limits.maxBytes);
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qsizetype length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (length > limit)
                return nullptr;
            bytes.resize(std::min(2 * length, limit + 1));
        }
        const ssize_t got =
            ::read(file.fd, bytes.data() + length, static_cast<std::size_t>(bytes.size() - length));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return nullptr;
        if (got == 0)
            break;
        length += got;
    }
    bytes.truncate(length);
    return Reader(bytes, limits).readArchive();
}

} // namespace platform
