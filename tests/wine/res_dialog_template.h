// Reads an extended dialog template (DLGTEMPLATEEX) from this module's resources.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm::test {

// A template string: a name, or an ordinal (such as an icon's resource id).
struct TemplateText {
  std::wstring name;
  int ordinal = -1;  // >= 0 when the text is an ordinal
};

struct DialogItem {
  uint32_t id, style, exStyle;
  int x, y, cx, cy;
  std::wstring className;  // predefined classes given by ordinal are named here
  TemplateText text;
};

struct DialogTemplate {
  uint32_t style, exStyle;
  int x, y, cx, cy;
  std::wstring title;
  int pointSize, weight, italic, charset;
  std::wstring typeface;
  std::vector<DialogItem> items;
};

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, int id);

}  // namespace qm::test
