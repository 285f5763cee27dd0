#pragma once
// Makes the framework's Windows classes known to form definitions.
namespace vcl {
void RegisterControlClasses();
}
