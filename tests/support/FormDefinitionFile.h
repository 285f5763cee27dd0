#pragma once
// A window definition of the source tree read as text, and lookups into its records, for the
// tests that check a definition against the code around it.
#include <map>
#include <string>

#include "platform/vcl/FormText.h"

namespace testing_support {

// `path` is relative to the source tree, e.g. "manager/FMain.olzform".
vcl::ComponentRecord ReadFormDefinition(const std::string& path);
// Every component of the tree below `record`, by name.
void CollectComponents(const vcl::ComponentRecord& record, std::map<std::string, const vcl::ComponentRecord*>& byName);
// A stored property of a record; null when the definition leaves it out.
const vcl::PropValue* FindProperty(const vcl::ComponentRecord& record, const std::string& name);

}  // namespace testing_support
