#pragma once
// The four most recently used document paths, most recent first, kept in the
// settings store's "Recent File List" section as File1..File4 (UTF-8).
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/Types.h"

class CRecentFileList {
 public:
  static constexpr int kSize = 4;

  // `store` may be null: the list then lives for the run only.
  explicit CRecentFileList(zorva::ISettingsStore* store);

  // Reads the store; entries that are empty or have no code-page form are skipped.
  void Load();
  // Puts `path` at the top; a path naming the same file leaves its old place.
  void Add(const CString& path);
  void Remove(size_t index);

  size_t Count() const { return m_paths.size(); }
  const CString& At(size_t index) const { return m_paths.at(index); }

 private:
  void Save();

  zorva::ISettingsStore* m_store;
  std::vector<CString> m_paths;  // model paths (CP932)
};

// Whether two model paths name the same file: equal bytes, or equal but for
// ASCII letter case and the file system says it is one file (a folder on a
// case-insensitive mount). Two names that differ in case are two files on
// most Linux file systems and are not taken for each other.
bool IsSameFilePath(const CString& a, const CString& b);
