#include "skin/store/SkinDescription.h"

#include "skin/store/SkinText.h"

namespace {

// Blanks and control characters around a line, a key or a value are not part of it.
std::string_view Trim(std::string_view Text) {
  while (!Text.empty() && static_cast<unsigned char>(Text.front()) <= ' ') Text.remove_prefix(1);
  while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ') Text.remove_suffix(1);
  return Text;
}

}  // namespace

TSkinDescription::TSkinDescription(std::string_view Text) {
  // Lines end with CR LF, LF or a lone CR.
  std::size_t Start = 0;
  while (Start < Text.size()) {
    std::size_t End = Text.find_first_of("\r\n", Start);
    if (End == std::string_view::npos) End = Text.size();
    AddLine(Text.substr(Start, End - Start));
    Start = End;
    if (Start < Text.size() && Text[Start] == '\r') ++Start;
    if (Start < Text.size() && Text[Start] == '\n') ++Start;
  }
}

TSkinDescription TSkinDescription::FromBytes(std::span<const std::uint8_t> Bytes) {
  return TSkinDescription(DecodeSkinText(Bytes));
}

void TSkinDescription::AddLine(std::string_view Line) {
  Line = Trim(Line);
  if (Line.empty() || Line.front() == ';') return;
  if (Line.front() == '[' && Line.back() == ']' && Line.size() >= 2) {
    const std::string Name(Trim(Line.substr(1, Line.size() - 2)));
    const auto Found = FSectionIndex.find(Name);
    if (Found != FSectionIndex.end()) {
      FCurrent = Found->second;
      return;
    }
    FCurrent = static_cast<int>(FSections.size());
    FSectionIndex.emplace(Name, FCurrent);
    FSections.push_back({Name, {}});
    FKeyIndex.emplace_back();
    return;
  }
  if (FCurrent < 0) return;
  const std::size_t Equal = Line.find('=');
  TSkinKey Key;
  Key.Name = std::string(Trim(Line.substr(0, Equal)));
  if (Equal != std::string_view::npos) Key.Value = std::string(Trim(Line.substr(Equal + 1)));
  TSkinSection& Section = FSections[static_cast<std::size_t>(FCurrent)];
  FKeyIndex[static_cast<std::size_t>(FCurrent)].emplace(Key.Name, Section.Keys.size());
  Section.Keys.push_back(std::move(Key));
}

int TSkinDescription::SectionIndex(std::string_view Section) const {
  const auto Found = FSectionIndex.find(Section);
  return Found == FSectionIndex.end() ? -1 : Found->second;
}

const std::string* TSkinDescription::Find(int Index, std::string_view Key) const {
  if (Index < 0 || Index >= static_cast<int>(FSections.size())) return nullptr;
  const auto& Keys = FKeyIndex[static_cast<std::size_t>(Index)];
  const auto Found = Keys.find(Key);
  return Found == Keys.end() ? nullptr : &FSections[static_cast<std::size_t>(Index)].Keys[Found->second].Value;
}

const std::string* TSkinDescription::Find(std::string_view Section, std::string_view Key) const {
  return Find(SectionIndex(Section), Key);
}
