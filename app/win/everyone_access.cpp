#include "app/win/everyone_access.h"

#include <windows.h>

#include "framework/cp932_text.h"

namespace qm {

bool GrantEveryoneAccess(const char* path) {
  SECURITY_DESCRIPTOR descriptor;
  if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)) return false;

  alignas(DWORD) BYTE acl_buffer[4096];
  PACL acl = reinterpret_cast<PACL>(acl_buffer);
  if (!InitializeAcl(acl, sizeof(acl_buffer), ACL_REVISION)) return false;

  alignas(DWORD) BYTE sid[SECURITY_MAX_SID_SIZE];
  DWORD sid_size = sizeof(sid);
  if (!CreateWellKnownSid(WinWorldSid, nullptr, sid, &sid_size)) return false;

  if (!AddAccessAllowedAceEx(acl, ACL_REVISION, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE,
                             GENERIC_ALL, sid)) {
    return false;
  }
  if (!SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE)) return false;
  return SetFileSecurityW(WideFromCp932(path).c_str(), DACL_SECURITY_INFORMATION, &descriptor) !=
         FALSE;
}

}  // namespace qm
