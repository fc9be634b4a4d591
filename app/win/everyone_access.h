#pragma once

namespace qm {

// Replaces the folder's access list by one inheritable full-access entry
// for Everyone, found by its well-known identifier (S-1-1-0) so that it
// resolves whatever the group is called on this edition of Windows.
bool GrantEveryoneAccess(const char* path);

}  // namespace qm
