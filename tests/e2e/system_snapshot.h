// A picture of what a program could leave behind on the system: every key
// and value under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE (path, value name,
// type and a hash of the data) and every file and folder below chosen folders
// (name, size, last write time). Two snapshots, taken before and after a
// program ran, tell what changed meanwhile.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace e2e {

class SystemSnapshot {
 public:
  // Walks both registry roots and, recursively, each folder given (Windows
  // paths). Folders reached through a link to elsewhere (Wine links the
  // user's Desktop, Documents and the like to the Unix home folder) are named
  // but not entered: they are not part of the folder.
  static SystemSnapshot Take(const std::vector<std::string>& folders);

  // An entry that was added, removed or changed: its name, and a line that
  // tells how ("+ name (what)", "- name (what)", "~ name (before -> after)").
  struct Change {
    std::string name;
    std::string line;
  };
  // The changes from one snapshot to a later one, in name order.
  static std::vector<Change> Differences(const SystemSnapshot& before, const SystemSnapshot& after);

  size_t Size() const { return entries_.size(); }

 private:
  // Entry name ("HKLM\Software\X", "HKLM\Software\X : value", "C:\dir\file")
  // and its description (type and data hash, size and time).
  std::map<std::string, std::string> entries_;
  friend class SnapshotWalker;
};

}  // namespace e2e
