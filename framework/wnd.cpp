#include "framework/wnd.h"

#include <commctrl.h>

#include <iterator>
#include <map>
#include <memory>
#include <unordered_map>

#include "framework/cp932_text.h"

namespace {

// The objects bound to windows, looked up on every message of a subclassed
// window. A process-local map rather than a window property: under Wine every
// property look-up is a round trip to the server, which made bulk list
// updates several times slower. Windows and their objects live on the
// user-interface thread only.
std::unordered_map<HWND, CWnd*>& PermanentObjects() {
  static std::unordered_map<HWND, CWnd*> objects;
  return objects;
}

// Wrappers for windows without a permanent object. A wrapper only names a
// handle, so one left behind by a destroyed window is harmless; stale ones
// are dropped whenever a new one is made, which bounds the map by the
// windows still alive.
std::map<HWND, std::unique_ptr<CWnd>>& TemporaryWrappers() {
  static std::map<HWND, std::unique_ptr<CWnd>> wrappers;
  return wrappers;
}

}  // namespace

CWnd::~CWnd() {
  if (m_pfnSuper != nullptr && m_hWnd != nullptr && ::IsWindow(m_hWnd)) UnsubclassWindow();
}

BOOL CWnd::Attach(HWND window) {
  if (window == nullptr || m_hWnd != nullptr) return FALSE;
  m_hWnd = window;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND window = m_hWnd;
  m_hWnd = nullptr;
  return window;
}

void CWnd::BindPermanent(HWND window) {
  m_hWnd = window;
  PermanentObjects()[window] = this;
}

void CWnd::UnbindPermanent() {
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) PermanentObjects().erase(m_hWnd);
  m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (window == nullptr || m_hWnd != nullptr || FromHandlePermanent(window) != nullptr) return FALSE;
  BindPermanent(window);
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
  if (m_pfnSuper == nullptr) {
    UnbindPermanent();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (parent == nullptr) return FALSE;
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  HWND window = m_hWnd;
  if (window == nullptr || m_pfnSuper == nullptr) return nullptr;
  ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  UnbindPermanent();
  return window;
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
  if (window == nullptr) return nullptr;
  const auto& objects = PermanentObjects();
  const auto found = objects.find(window);
  return found != objects.end() ? found->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(window)) return permanent;
  auto& wrappers = TemporaryWrappers();
  auto found = wrappers.find(window);
  if (found != wrappers.end()) return found->second.get();
  for (auto it = wrappers.begin(); it != wrappers.end();) {
    it = ::IsWindow(it->first) ? std::next(it) : wrappers.erase(it);
  }
  auto wrapper = std::make_unique<CWnd>();
  wrapper->m_hWnd = window;
  return wrappers.emplace(window, std::move(wrapper)).first->second.get();
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

void CWnd::SetWindowText(const char* text) {
  ::SetWindowTextW(m_hWnd, qm::WideFromCp932(text).c_str());
}

std::string CWnd::GetWindowText() const {
  const int length = ::GetWindowTextLengthW(m_hWnd);
  if (length <= 0) return std::string();
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(m_hWnd, &wide[0], length + 1);
  wide.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return qm::Cp932FromWide(wide);
}

void CWnd::RepositionBars(UINT first, UINT last) {
  RECT client;
  GetClientRect(&client);
  // Bars stack upward from the bottom edge in z-order; each keeps its height.
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
    if (id < first || id > last) continue;
    RECT bar;
    ::GetWindowRect(child, &bar);
    const int height = bar.bottom - bar.top;
    client.bottom -= height;
    ::SetWindowPos(child, nullptr, client.left, client.bottom, client.right - client.left, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (ReflectToChild(message, wparam, lparam, &result)) return result;
  if (OnWndMsg(message, wparam, lparam, &result)) return result;
  return Default(message, wparam, lparam);
}

bool CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool CWnd::ReflectToChild(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  HWND child = nullptr;
  if (message == WM_NOTIFY) {
    child = reinterpret_cast<const NMHDR*>(lparam)->hwndFrom;
  } else if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    if (item->CtlType != ODT_MENU) child = item->hwndItem;
  } else {
    return false;
  }
  CWnd* object = FromHandlePermanent(child);
  return object != nullptr && object->OnChildNotify(message, wparam, lparam, result);
}

LRESULT CWnd::Default(UINT message, WPARAM wparam, LPARAM lparam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wparam, lparam);
  return ::DefWindowProcW(m_hWnd, message, wparam, lparam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  CWnd* object = FromHandlePermanent(window);
  if (object == nullptr) return ::DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    // Let go of the window so the object can be bound to the next one.
    WNDPROC super = object->m_pfnSuper;
    object->UnsubclassWindow();
    return ::CallWindowProcW(super, window, message, wparam, lparam);
  }
  return object->WindowProc(message, wparam, lparam);
}
