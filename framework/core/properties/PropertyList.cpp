#include "framework/core/properties/PropertyList.h"

#include "framework/core/runtime/Exceptions.h"

#include <bit>
#include <limits>
#include <type_traits>

namespace framework {

namespace {

// The variant holds the declared types in the order of the enumeration, so a value's index
// names its type.
template <PropertyType type>
using ValueOf = std::variant_alternative_t<static_cast<std::size_t>(type), PropertyValue>;
static_assert(std::variant_size_v<PropertyValue> == 7 &&
              std::is_same_v<ValueOf<PropertyType::Integer>, std::int64_t> &&
              std::is_same_v<ValueOf<PropertyType::Boolean>, bool> &&
              std::is_same_v<ValueOf<PropertyType::String>, std::string> &&
              std::is_same_v<ValueOf<PropertyType::Color>, Color> &&
              std::is_same_v<ValueOf<PropertyType::Double>, double> &&
              std::is_same_v<ValueOf<PropertyType::Single>, float> &&
              std::is_same_v<ValueOf<PropertyType::FontUnit>, FontUnit>);

constexpr char kBlank = ' ';

PropertyType TypeOf(const PropertyValue& value) {
    return static_cast<PropertyType>(value.index());
}

std::string Quoted(std::string_view name) {
    return "'" + std::string(name) + "'";
}

PropertyType RequireDeclaredType(std::string_view name, std::size_t offset) {
    const auto type = DeclaredType(name);
    if (!type) {
        throw PropertyListException("property list: unknown property name " + Quoted(name) +
                                    " at byte " + std::to_string(offset));
    }
    return *type;
}

// Writes the value's bits least significant byte first, whatever the host's byte order.
template <typename Word> void AppendLittleEndian(std::string& out, Word word) {
    for (std::size_t i = 0; i < sizeof(Word); ++i) {
        out.push_back(static_cast<char>(static_cast<std::uint8_t>(word >> (8 * i))));
    }
}

void AppendValue(std::string& out, const PropertyValue& value) {
    struct Appender {
        std::string& out;
        void operator()(std::int64_t v) const {
            AppendLittleEndian(out, static_cast<std::uint64_t>(v));
        }
        void operator()(bool v) const { out.push_back(v ? '\1' : '\0'); }
        void operator()(const std::string& v) const {
            if (v.size() > std::numeric_limits<std::uint32_t>::max()) {
                throw PropertyListException("property list: string too long for its count");
            }
            AppendLittleEndian(out, static_cast<std::uint32_t>(v.size()));
            out += v;
        }
        void operator()(Color v) const { AppendLittleEndian(out, v.word); }
        void operator()(double v) const {
            AppendLittleEndian(out, std::bit_cast<std::uint64_t>(v));
        }
        void operator()(float v) const { AppendLittleEndian(out, std::bit_cast<std::uint32_t>(v)); }
        void operator()(FontUnit v) const { out.push_back(static_cast<char>(v.code)); }
    };
    std::visit(Appender{out}, value);
}

// Reads one list from the front. Every read first checks that its bytes are there, so a
// malformed list stops with an exception at the first byte that does not fit.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return offset_ == bytes_.size(); }

    PropertyEntry ReadEntry() {
        const std::size_t start = offset_;
        const std::size_t blank = bytes_.find(kBlank, offset_);
        if (blank == std::string_view::npos) {
            throw PropertyListException("property list: missing blank after the name at byte " +
                                        std::to_string(start));
        }
        std::string name(bytes_.substr(offset_, blank - offset_));
        const PropertyType type = RequireDeclaredType(name, start);
        offset_ = blank + 1;
        PropertyValue value = ReadValue(type, name);
        return {std::move(name), std::move(value)};
    }

private:
    PropertyValue ReadValue(PropertyType type, std::string_view name) {
        switch (type) {
        case PropertyType::Integer:
            return static_cast<std::int64_t>(ReadWord<std::uint64_t>(name));
        case PropertyType::Boolean:
            return ReadBoolean(name);
        case PropertyType::String:
            return ReadString(name);
        case PropertyType::Color:
            return Color{ReadWord<std::uint32_t>(name)};
        case PropertyType::Double:
            return std::bit_cast<double>(ReadWord<std::uint64_t>(name));
        case PropertyType::Single:
            return std::bit_cast<float>(ReadWord<std::uint32_t>(name));
        case PropertyType::FontUnit:
            break;
        }
        return FontUnit{ReadWord<std::uint8_t>(name)};
    }

    void Require(std::size_t count, std::string_view name, std::string_view what) const {
        if (bytes_.size() - offset_ < count) {
            throw PropertyListException("property list: " + std::string(what) + " of " +
                                        Quoted(name) + " at byte " + std::to_string(offset_) +
                                        " needs " + std::to_string(count) + " bytes, " +
                                        std::to_string(bytes_.size() - offset_) + " left");
        }
    }

    template <typename Word> Word ReadWord(std::string_view name) {
        Require(sizeof(Word), name, "truncated value");
        Word word = 0;
        for (std::size_t i = 0; i < sizeof(Word); ++i) {
            word |= static_cast<Word>(
                static_cast<Word>(static_cast<std::uint8_t>(bytes_[offset_ + i])) << (8 * i));
        }
        offset_ += sizeof(Word);
        return word;
    }

    bool ReadBoolean(std::string_view name) {
        const std::size_t at = offset_;
        const auto byte = ReadWord<std::uint8_t>(name);
        if (byte > 1) {
            throw PropertyListException("property list: Boolean " + Quoted(name) + " at byte " +
                                        std::to_string(at) + " is " + std::to_string(byte) +
                                        ", not 0 or 1");
        }
        return byte == 1;
    }

    std::string ReadString(std::string_view name) {
        const auto count = ReadWord<std::uint32_t>(name);
        Require(count, name, "string length past the end");
        std::string text(bytes_.substr(offset_, count));
        offset_ += count;
        return text;
    }

    std::string_view bytes_;
    std::size_t offset_ = 0;
};

} // namespace

std::string EncodePropertyList(std::span<const PropertyEntry> entries) {
    std::string out;
    for (const auto& [name, value] : entries) {
        const PropertyType declared = RequireDeclaredType(name, out.size());
        if (TypeOf(value) != declared) {
            throw PropertyListException("property list: value of " + Quoted(name) +
                                        " differs from its declared type");
        }
        out += name;
        out.push_back(kBlank);
        AppendValue(out, value);
    }
    return out;
}

std::string EncodePropertyList(std::initializer_list<PropertyEntry> entries) {
    return EncodePropertyList(std::span(entries.begin(), entries.size()));
}

std::vector<PropertyEntry> DecodePropertyList(std::string_view bytes) {
    std::vector<PropertyEntry> entries;
    Reader reader(bytes);
    while (!reader.AtEnd()) {
        entries.push_back(reader.ReadEntry());
    }
    return entries;
}

void SetProperties(PropertyTarget& target, std::string_view list) {
    for (const auto& [name, value] : DecodePropertyList(list)) {
        target.SetProperty(name, value);
    }
}

} // namespace framework
