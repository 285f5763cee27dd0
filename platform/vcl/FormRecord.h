#pragma once
// The byte level of form definitions (layout in FormStream.h): a definition as a tree of
// component records, independent of the classes that will receive it.
#include <string>
#include <vector>

#include "platform/vcl/PropValue.h"
#include "platform/vcl/Streams.h"

namespace vcl {

struct ComponentRecord {
    std::string className;
    std::string name;
    PropertyList properties;  // in stored order
    std::vector<ComponentRecord> children;
};

// Deeper nesting of components, lists and collections is refused as malformed.
inline constexpr int kMaxFormNesting = 64;

// Writes the signature and the record at the stream's position. Raises EWriteError for what
// the layout cannot hold (a name over 255 bytes, an empty class or property name, an empty
// set member).
void EncodeForm(TMemoryStream& stream, const ComponentRecord& root);

// Reads the signature and one record from the stream's position, leaving the position after
// it. Raises EReadError for malformed data without reading past the stream's end or
// allocating more than the data can fill.
ComponentRecord DecodeForm(TMemoryStream& stream);

}  // namespace vcl
