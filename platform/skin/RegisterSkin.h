#pragma once
// Makes the skinned controls, and the framework's own controls, known to form definitions.
namespace vcl {
void RegisterSkinClasses();
}
