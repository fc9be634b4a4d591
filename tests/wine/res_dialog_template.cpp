#include "tests/wine/res_dialog_template.h"

namespace qm::test {
namespace {

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Ok() const { return ok_; }
  uint16_t Word() {
    if (!Need(2)) return 0;
    const uint16_t v = static_cast<uint16_t>(data_[at_] | data_[at_ + 1] << 8);
    at_ += 2;
    return v;
  }
  uint32_t Dword() {
    const uint32_t low = Word();
    return low | static_cast<uint32_t>(Word()) << 16;
  }
  int Short() { return static_cast<int16_t>(Word()); }
  uint8_t Byte() {
    if (!Need(1)) return 0;
    return data_[at_++];
  }
  std::wstring String() {
    std::wstring s;
    for (wchar_t c; ok_ && (c = static_cast<wchar_t>(Word())) != 0;) s.push_back(c);
    return s;
  }
  TemplateText NameOrOrdinal() {
    const uint16_t first = Word();
    if (first == 0) return {};
    if (first == 0xFFFF) return {L"", Word()};
    std::wstring name(1, static_cast<wchar_t>(first));
    name += String();
    return {name, -1};
  }
  void Skip(size_t n) {
    if (Need(n)) at_ += n;
  }
  void AlignToDword() { Skip((4 - at_ % 4) % 4); }

 private:
  bool Need(size_t n) {
    if (at_ + n > size_) ok_ = false;
    return ok_;
  }

  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
  bool ok_ = true;
};

std::wstring PredefinedClass(int ordinal) {
  switch (ordinal) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"#" + std::to_wstring(ordinal);
  }
}

}  // namespace

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, int id) {
  HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
  if (!info) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, info);
  const auto* data = static_cast<const uint8_t*>(LockResource(loaded));
  if (!data) return std::nullopt;
  Reader r(data, SizeofResource(module, info));
  if (r.Word() != 1 || r.Word() != 0xFFFF) return std::nullopt;  // not an extended template
  DialogTemplate t{};
  r.Dword();  // help id
  t.exStyle = r.Dword();
  t.style = r.Dword();
  const int count = r.Word();
  t.x = r.Short();
  t.y = r.Short();
  t.cx = r.Short();
  t.cy = r.Short();
  r.NameOrOrdinal();  // menu
  r.NameOrOrdinal();  // window class
  t.title = r.String();
  if (t.style & (DS_SETFONT | DS_SHELLFONT)) {
    t.pointSize = r.Word();
    t.weight = r.Word();
    t.italic = r.Byte();
    t.charset = r.Byte();
    t.typeface = r.String();
  }
  for (int i = 0; i < count && r.Ok(); ++i) {
    r.AlignToDword();
    DialogItem item{};
    r.Dword();  // help id
    item.exStyle = r.Dword();
    item.style = r.Dword();
    item.x = r.Short();
    item.y = r.Short();
    item.cx = r.Short();
    item.cy = r.Short();
    item.id = r.Dword();
    const TemplateText cls = r.NameOrOrdinal();
    item.className = cls.ordinal >= 0 ? PredefinedClass(cls.ordinal) : cls.name;
    item.text = r.NameOrOrdinal();
    r.Skip(r.Word());  // creation data
    t.items.push_back(item);
  }
  if (!r.Ok()) return std::nullopt;
  return t;
}

}  // namespace qm::test
