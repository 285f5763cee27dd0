#pragma once
// The text in which form definitions are written by hand; the build turns it into the binary
// definition (FormStream.h) that programs carry as a resource.
//
//   # a comment, to the end of the line
//   MainFrm: TMainFrm {                      a component: name, class, then its body
//     Caption = "Orlenza System Manager"     a string ("\"", "\\", "\n", "\r", "\t", "\xHH")
//     ClientWidth = 632                      an integer (a leading '-' for negatives)
//     Font.Name = "Tahoma"                   a dotted name reaches a nested object
//     Ratio = 0.5                            a double
//     Active = false                         true / false
//     Position = poDesktopCenter             an identifier (enumeration value, handler name)
//     BorderIcons = [biSystemMenu, biMinimize]   a set
//     Lines.Strings = ("one", "two")         a list of values
//     Data = file "click.wav"                binary: a file's bytes, named relative to this file
//     Mask = hex "0aff"                      binary written out
//     Price = currency 12.5                  currency; also: date 46000.25, nil
//     Settings = collection {                a collection: one item { ... } per item
//       item { Name = "Theme" DataType = stInteger }
//     }
//     Settings: TSettings { }                a child component
//   }
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/Exceptions.h"
#include "platform/vcl/FormRecord.h"

namespace vcl {

OLZ_DECLARE_EXCEPTION(EFormTextError, Exception);

// Gives the bytes of a file named in `file "..."`; raises when it cannot.
using FormFileLoader = std::function<std::vector<std::uint8_t>(const std::string& name)>;

// Raises EFormTextError("<line>:<column>: <problem>") for text that does not follow the syntax.
ComponentRecord ParseFormText(std::string_view text, const FormFileLoader& loadFile);

}  // namespace vcl
