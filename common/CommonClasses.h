#pragma once
// Makes the components of common/ known to form definitions by class name.

void RegisterCommonClasses();
