#pragma once
// Form definitions as data: a root component (a form) with the components it owns and their
// stored property values, in a binary format of our own.
//
// Layout. All multi-byte numbers are little-endian. A short string is a length byte followed
// by that many characters.
//
//   definition  = "OLZF" component
//   component   = class-name:short-string  name:short-string  properties  children
//   properties  = { property-name:short-string value }  0x00
//   children    = { component }  0x00          (a class name is never empty)
//
// A property name may be dotted ("Font.Name") to reach a nested object's property.
// A value is a one-byte tag and its payload:
//
//    0  end of a list, set or collection (never a value by itself)
//    1  list          values until tag 0
//    2  int8          3 int16          4 int32          17 int64
//    5  double        8 bytes, IEEE 754
//    6  string        short string
//    7  identifier    short string (an enumeration value, a component or handler name)
//    8  false         9 true
//   10  binary        u32 byte count, then the bytes
//   11  set           short strings (the members) until an empty one
//   12  long string   u32 length, then the characters
//   13  nil
//   14  collection    items until tag 0; each item is tag 1 followed by its properties
//   15  currency      int64: the value times 10,000
//   16  date          double: days since 30 December 1899
//
// The writer uses the smallest integer tag that holds a value, and tag 12 only for strings
// longer than 255 bytes, so reading and writing again gives back the same bytes.
#include <cstdint>
#include <span>

#include "platform/vcl/Component.h"
#include "platform/vcl/Streams.h"

namespace vcl {

// Writes `root` at the stream's position: its stored published properties in published order
// (nested objects as dotted names, collections as their items), then the properties it adds
// in DefineProperties, then its components. A component owned by `root` whose parent
// component is another component owned by `root` is written inside that one's record; the
// others are written at the root level. Siblings keep their ownership order.
void WriteComponent(TMemoryStream& stream, TComponent& root);

// Reads a definition written by WriteComponent into `root`, whose class must be the stored
// class or derive from it. The root takes the stored name and properties; each stored
// component is created owned by the root, in stored order, named, given the enclosing stored
// component as its parent component (root-level components get none) and then its
// properties. A record's properties are assigned in published order whatever their stored
// order, then its defined properties in the order it defines them; a collection is cleared
// and refilled in one update.
// Every component is marked loading while it is read; once all are read, each created
// component ends loading in creation order, and the root last.
// Malformed data raises EReadError, an unregistered class EClassNotFound, a bad or duplicate
// component name EComponentError. Components created before the error stay owned by the
// root, still marked loading.
void ReadComponent(TMemoryStream& stream, TComponent& root);
void ReadComponent(std::span<const std::uint8_t> definition, TComponent& root);

}  // namespace vcl
