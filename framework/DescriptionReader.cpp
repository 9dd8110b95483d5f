#include "framework/DescriptionReader.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "framework/TextConversion.h"
#include "framework/WinControl.h"

namespace {

class TReader {
 public:
  TReader(TComponent& Root, const TComponentClasses& Classes) : FRoot(Root), FClasses(Classes) {}

  void Read(const TDescriptionObject& Description) {
    FRoot.BeginLoading();
    ApplyProperties(FRoot, Description);
    for (const TDescriptionObject& Child : Description.Children) ReadChild(Child, &FRoot);
    for (TComponent* Component : FRead) Component->Loaded();
    FRoot.Loaded();
  }

 private:
  TComponent& FRoot;
  const TComponentClasses& FClasses;
  std::vector<TComponent*> FRead;

  void ReadChild(const TDescriptionObject& Description, TComponent* Enclosing) {
    const auto Class = FClasses.find(Description.ClassName);
    if (Class == FClasses.end()) throw EDescriptionError("class not found: " + Utf8FromWide(Description.ClassName));
    TComponent* Component = Class->second(&FRoot);
    FRead.push_back(Component);
    Component->SetName(Description.Name);
    Component->BeginLoading();
    // Like a designer, the parent comes first, so a control's properties apply in place.
    if (auto* Control = dynamic_cast<TControl*>(Component))
      if (auto* Parent = dynamic_cast<TWinControl*>(Enclosing)) Control->SetParent(Parent);
    ApplyProperties(*Component, Description);
    for (const TDescriptionObject& Child : Description.Children) ReadChild(Child, Component);
  }

  static void ApplyProperties(TComponent& Component, const TDescriptionObject& Description) {
    for (const TDescriptionProperty& Property : Description.Properties)
      if (!Component.ReadProperty(Property.Name, Property.Value))
        throw EDescriptionError("property " + Utf8FromWide(Property.Name) + " does not exist on " +
                                Utf8FromWide(Description.Name.empty() ? Description.ClassName : Description.Name));
  }
};

}  // namespace

void ReadDescription(TComponent& Root, const TDescriptionObject& Description,
                     const TComponentClasses& Classes) {
  TReader(Root, Classes).Read(Description);
}

TDescriptionObject LoadDescriptionResource(const wchar_t* ResourceName) {
  HRSRC Resource = FindResourceW(nullptr, ResourceName, RT_RCDATA);
  HGLOBAL Loaded = Resource ? LoadResource(nullptr, Resource) : nullptr;
  const void* Bytes = Loaded ? LockResource(Loaded) : nullptr;
  if (!Bytes) throw EDescriptionError("stored description not found: " + Utf8FromWide(ResourceName));
  // Resources live as long as the module; nothing to free.
  return ParseDescription(std::string_view(static_cast<const char*>(Bytes), SizeofResource(nullptr, Resource)));
}
