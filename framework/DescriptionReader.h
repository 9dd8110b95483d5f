// Turns a stored description into components: a form reads itself from it at creation.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "framework/Component.h"
#include "framework/core/Description.h"

using TComponentFactory = std::function<TComponent*(TComponent* Owner)>;
// The stored class names a reader may meet, with the code that makes each.
using TComponentClasses = std::map<std::wstring, TComponentFactory, std::less<>>;

template <class T>
TComponentFactory ClassFactory() {
  return [](TComponent* Owner) -> TComponent* { return new T(Owner); };
}

// Reads Description into Root: first the root's own properties, then each child object in
// stored order, made by its class with Root as owner and the enclosing control as parent,
// its properties applied in stored order while it is loading. When everything is read, each
// component read gets Loaded in reading order, the root last. A class or property that is
// not known throws EDescriptionError naming it.
void ReadDescription(TComponent& Root, const TDescriptionObject& Description,
                     const TComponentClasses& Classes);

// The description kept as an RCDATA resource of this program, parsed.
TDescriptionObject LoadDescriptionResource(const wchar_t* ResourceName);
