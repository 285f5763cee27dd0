#include "platform/vcl/FormRecord.h"

#include <bit>
#include <concepts>
#include <cstring>
#include <limits>
#include <utility>
#include <variant>
#include <vector>

namespace vcl {

namespace {

const char kSignature[4] = {'O', 'L', 'Z', 'F'};

enum class Tag : std::uint8_t {
    End = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Double = 5,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LongString = 12,
    Nil = 13,
    Collection = 14,
    Currency = 15,
    Date = 16,
    Int64 = 17,
};

class FormEncoder {
public:
    explicit FormEncoder(TMemoryStream& stream) : stream_(stream) {}

    void Component(const ComponentRecord& record) {
        if (record.className.empty()) throw EWriteError("A stored component needs a class name");
        ShortString(record.className);
        ShortString(record.name);
        Properties(record.properties);
        for (const ComponentRecord& child : record.children) Component(child);
        Byte(0);
    }

private:
    void Properties(const PropertyList& properties) {
        for (const NamedValue& property : properties) {
            if (property.name.empty()) throw EWriteError("A stored property needs a name");
            ShortString(property.name);
            std::visit([this](const auto& held) { Value(held); }, property.value.value);
        }
        Byte(0);
    }

    void Value(Nil) { Put(Tag::Nil); }
    void Value(bool value) { Put(value ? Tag::True : Tag::False); }
    void Value(std::int64_t value) {
        if (std::in_range<std::int8_t>(value)) {
            Put(Tag::Int8);
            Unsigned(static_cast<std::uint8_t>(value));
        } else if (std::in_range<std::int16_t>(value)) {
            Put(Tag::Int16);
            Unsigned(static_cast<std::uint16_t>(value));
        } else if (std::in_range<std::int32_t>(value)) {
            Put(Tag::Int32);
            Unsigned(static_cast<std::uint32_t>(value));
        } else {
            Put(Tag::Int64);
            Unsigned(static_cast<std::uint64_t>(value));
        }
    }
    void Value(double value) {
        Put(Tag::Double);
        Unsigned(std::bit_cast<std::uint64_t>(value));
    }
    void Value(const std::string& value) {
        if (value.size() <= std::numeric_limits<std::uint8_t>::max()) {
            Put(Tag::String);
            ShortString(value);
        } else {
            Put(Tag::LongString);
            Count(value.size());
            stream_.WriteBuffer(value.data(), value.size());
        }
    }
    void Value(const Ident& value) {
        Put(Tag::Ident);
        ShortString(value.name);
    }
    void Value(const Binary& value) {
        Put(Tag::Binary);
        Count(value.bytes.size());
        stream_.WriteBuffer(value.bytes.data(), value.bytes.size());
    }
    void Value(Currency value) {
        Put(Tag::Currency);
        Unsigned(static_cast<std::uint64_t>(value.scaled));
    }
    void Value(DateTime value) {
        Put(Tag::Date);
        Unsigned(std::bit_cast<std::uint64_t>(value.days));
    }
    void Value(const SetValue& value) {
        Put(Tag::Set);
        for (const std::string& member : value.members) {
            if (member.empty()) throw EWriteError("A set member needs a name");
            ShortString(member);
        }
        Byte(0);
    }
    void Value(const ListValue& value) {
        Put(Tag::List);
        for (const PropValue& item : value.values) std::visit([this](const auto& held) { Value(held); }, item.value);
        Put(Tag::End);
    }
    void Value(const CollectionValue& value) {
        Put(Tag::Collection);
        for (const PropertyList& item : value.items) {
            Put(Tag::List);
            Properties(item);
        }
        Put(Tag::End);
    }

    void Put(Tag tag) { Byte(static_cast<std::uint8_t>(tag)); }
    void Byte(std::uint8_t value) { stream_.WriteBuffer(&value, 1); }

    template <std::unsigned_integral U>
    void Unsigned(U value) {
        std::uint8_t bytes[sizeof(U)];
        for (std::size_t i = 0; i < sizeof(U); ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
        stream_.WriteBuffer(bytes, sizeof(U));
    }

    void Count(std::size_t count) {
        if (count > std::numeric_limits<std::uint32_t>::max())
            throw EWriteError("Value too long for a form definition");
        Unsigned(static_cast<std::uint32_t>(count));
    }

    void ShortString(const std::string& text) {
        if (text.size() > std::numeric_limits<std::uint8_t>::max())
            throw EWriteError("Name too long for a form definition: " + text.substr(0, 32) + "...");
        Byte(static_cast<std::uint8_t>(text.size()));
        stream_.WriteBuffer(text.data(), text.size());
    }

    TMemoryStream& stream_;
};

// Every read goes through the stream's bounds checks; counts are checked against the bytes
// left before anything is allocated for them.
class FormDecoder {
public:
    explicit FormDecoder(TMemoryStream& stream) : stream_(stream) {}

    ComponentRecord Component(std::string className, int depth) {
        CheckDepth(depth);
        ComponentRecord record;
        record.className = std::move(className);
        record.name = ShortString();
        record.properties = Properties(depth);
        for (std::uint8_t length = Byte(); length != 0; length = Byte())
            record.children.push_back(Component(Chars(length), depth + 1));
        return record;
    }

    std::string ShortString() { return Chars(Byte()); }

private:
    PropertyList Properties(int depth) {
        PropertyList properties;
        for (std::uint8_t length = Byte(); length != 0; length = Byte()) {
            std::string name = Chars(length);
            properties.push_back({std::move(name), Value(Byte(), depth + 1)});
        }
        return properties;
    }

    PropValue Value(std::uint8_t tag, int depth) {
        CheckDepth(depth);
        switch (static_cast<Tag>(tag)) {
            case Tag::End: throw EReadError("Unexpected end of list");
            case Tag::List: {
                ListValue list;
                for (std::uint8_t item = Byte(); item != 0; item = Byte()) list.values.push_back(Value(item, depth + 1));
                return list;
            }
            case Tag::Int8: return static_cast<std::int64_t>(static_cast<std::int8_t>(Byte()));
            case Tag::Int16: return static_cast<std::int64_t>(static_cast<std::int16_t>(Unsigned<std::uint16_t>()));
            case Tag::Int32: return static_cast<std::int64_t>(static_cast<std::int32_t>(Unsigned<std::uint32_t>()));
            case Tag::Int64: return static_cast<std::int64_t>(Unsigned<std::uint64_t>());
            case Tag::Double: return std::bit_cast<double>(Unsigned<std::uint64_t>());
            case Tag::String: return ShortString();
            case Tag::Ident: return Ident{ShortString()};
            case Tag::False: return false;
            case Tag::True: return true;
            case Tag::Binary: return Binary{Block<std::vector<std::uint8_t>>(Unsigned<std::uint32_t>())};
            case Tag::Set: {
                SetValue set;
                for (std::string member = ShortString(); !member.empty(); member = ShortString())
                    set.members.push_back(std::move(member));
                return set;
            }
            case Tag::LongString: return Block<std::string>(Unsigned<std::uint32_t>());
            case Tag::Nil: return Nil{};
            case Tag::Collection: {
                CollectionValue collection;
                for (std::uint8_t item = Byte(); item != 0; item = Byte()) {
                    if (item != static_cast<std::uint8_t>(Tag::List))
                        throw EReadError("Invalid collection item tag " + std::to_string(item));
                    collection.items.push_back(Properties(depth + 1));
                }
                return collection;
            }
            case Tag::Currency: return Currency{static_cast<std::int64_t>(Unsigned<std::uint64_t>())};
            case Tag::Date: return DateTime{std::bit_cast<double>(Unsigned<std::uint64_t>())};
        }
        throw EReadError("Unknown value tag " + std::to_string(tag));
    }

    static void CheckDepth(int depth) {
        if (depth > kMaxFormNesting) throw EReadError("Form definition nested too deeply");
    }

    std::uint8_t Byte() { return Unsigned<std::uint8_t>(); }

    template <std::unsigned_integral U>
    U Unsigned() {
        std::uint8_t bytes[sizeof(U)];
        stream_.ReadBuffer(bytes, sizeof(U));
        U value = 0;
        for (std::size_t i = 0; i < sizeof(U); ++i) value = static_cast<U>(value | static_cast<U>(U{bytes[i]} << (8 * i)));
        return value;
    }

    template <class Buffer>
    Buffer Block(std::size_t count) {
        if (count > stream_.Remaining()) throw EReadError("Stream read error");
        Buffer block(count, typename Buffer::value_type{});
        stream_.ReadBuffer(block.data(), count);
        return block;
    }

    std::string Chars(std::uint8_t count) { return Block<std::string>(count); }

    TMemoryStream& stream_;
};

}  // namespace

void EncodeForm(TMemoryStream& stream, const ComponentRecord& root) {
    stream.WriteBuffer(kSignature, sizeof kSignature);
    FormEncoder(stream).Component(root);
}

ComponentRecord DecodeForm(TMemoryStream& stream) {
    char signature[sizeof kSignature];
    if (stream.Remaining() < sizeof signature) throw EReadError("Invalid stream format");
    stream.ReadBuffer(signature, sizeof signature);
    if (std::memcmp(signature, kSignature, sizeof signature) != 0) throw EReadError("Invalid stream format");
    FormDecoder decoder(stream);
    return decoder.Component(decoder.ShortString(), 0);
}

}  // namespace vcl
