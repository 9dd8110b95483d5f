// The skin description (Options.dat) as an in-memory INI file: sections and keys in file
// order, looked up case-sensitively.
// Syntax: each line is trimmed; empty lines and lines starting with ";" are skipped;
// "[NAME]" opens a section (name trimmed); other lines split at the first "=" into a key
// and a value, both trimmed (no "=": a key without value); lines before the first section
// are ignored. A section that appears again continues the first one (it keeps its first
// position); of keys repeated in a section, lookups see the first.
// Portable.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TSkinKey {
  std::string Name;
  std::string Value;
};

struct TSkinSection {
  std::string Name;
  std::vector<TSkinKey> Keys;  // in file order, repeats included
};

class TSkinDescription {
 public:
  TSkinDescription() = default;
  // Text already decoded to UTF-8.
  explicit TSkinDescription(std::string_view Text);
  // A whole file: byte-order mark detection, then parsing.
  static TSkinDescription FromBytes(std::span<const std::uint8_t> Bytes);

  const std::vector<TSkinSection>& Sections() const { return FSections; }
  // Position of a section in file order, or -1.
  int SectionIndex(std::string_view Section) const;
  // The value of a key, or null when the section or the key is absent.
  const std::string* Find(std::string_view Section, std::string_view Key) const;
  const std::string* Find(int SectionIndex, std::string_view Key) const;

 private:
  void AddLine(std::string_view Line);

  std::vector<TSkinSection> FSections;
  std::map<std::string, int, std::less<>> FSectionIndex;
  // Per section: key name to the position of its first occurrence.
  std::vector<std::map<std::string, std::size_t, std::less<>>> FKeyIndex;
  int FCurrent = -1;
};
