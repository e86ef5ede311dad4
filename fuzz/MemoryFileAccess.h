#pragma once

#include <algorithm>
#include <map>

#include "platform/FileAccess.h"

namespace sylvenor::fuzz {

// Files held in memory, so that a fuzzer's input reaches the readers without the disk.
class MemoryFileAccess : public FileAccess {
 public:
  std::map<std::filesystem::path, std::string> fichiers;

  FileRead read(const std::filesystem::path& path, std::size_t maxBytes) override {
    const auto found = fichiers.find(path);
    if (found == fichiers.end()) return {FileError::NonTrouve, {}, false};
    const std::string& octets = found->second;
    return {FileError::Aucune, octets.substr(0, maxBytes), octets.size() > maxBytes};
  }
  FileError replace(const std::filesystem::path& path, const std::string& octets) override {
    fichiers[path] = octets;
    return FileError::Aucune;
  }
  bool exists(const std::filesystem::path& path) override { return fichiers.count(path) != 0; }
  FileError rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    const auto found = fichiers.find(from);
    if (found == fichiers.end()) return FileError::NonTrouve;
    fichiers[to] = found->second;
    fichiers.erase(from);
    return FileError::Aucune;
  }
  FileError remove(const std::filesystem::path& path) override {
    return fichiers.erase(path) != 0 ? FileError::Aucune : FileError::NonTrouve;
  }
  FileError makeWritable(const std::filesystem::path&) override { return FileError::Aucune; }
  FileError createFolders(const std::filesystem::path&) override { return FileError::Aucune; }
  FileError replaceUnflushed(const std::filesystem::path& path,
                             const std::string& octets) override {
    return replace(path, octets);
  }
  FileError flush(const std::filesystem::path&) override { return FileError::Aucune; }
  FileError link(const std::filesystem::path& from, const std::filesystem::path& to) override {
    const auto found = fichiers.find(from);
    if (found == fichiers.end()) return FileError::NonTrouve;
    fichiers[to] = found->second;
    return FileError::Aucune;
  }
  FileError removeFolder(const std::filesystem::path& path) override {
    std::erase_if(fichiers, [&](const auto& entry) {
      return std::mismatch(path.begin(), path.end(), entry.first.begin(), entry.first.end())
                 .first == path.end();
    });
    return FileError::Aucune;
  }
  void removeLeftovers(const std::filesystem::path&) override {}
  std::unique_ptr<FolderLock> lockFolder(const std::filesystem::path&) override { return nullptr; }
  FileList listFiles(const std::filesystem::path& folder) override {
    FileList list;
    for (const auto& [path, octets] : fichiers) {
      if (path.parent_path() == folder) list.noms.push_back(path.filename().string());
    }
    return list;
  }
};

}  // namespace sylvenor::fuzz
