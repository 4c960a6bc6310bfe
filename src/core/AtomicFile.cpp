#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace pp {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::string bytes;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char buffer[64 * 1024];
  while (ok) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

namespace {

constexpr std::string_view kTemporaryTail = ".XXXXXX";  // mkstemp's template

// The name WriteFileAtomic's temporary file for `name` would have, were its letters these.
bool IsTemporaryFor(std::string_view file, std::string_view name) {
  if (file.size() != 1 + name.size() + kTemporaryTail.size() || file[0] != '.' ||
      file.substr(1, name.size()) != name || file[1 + name.size()] != '.')
    return false;
  for (char c : file.substr(file.size() - kTemporaryTail.size() + 1))
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace

std::optional<std::string> WriteFileAtomic(const std::filesystem::path& path,
                                           std::string_view bytes) {
  auto failure = [&path](const std::string& what, int err) {
    return "Cannot write " + path.string() + ": " + what + " (" + std::strerror(err) + ")";
  };
  std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  std::string temp =
      (folder / ("." + path.filename().string() + std::string(kTemporaryTail))).string();
  int fd = mkstemp(temp.data());
  if (fd < 0) return failure("cannot create a temporary file in " + folder.string(), errno);

  const char* data = bytes.data();
  size_t left = bytes.size();
  int err = 0;
  while (left > 0 && err == 0) {
    ssize_t n = write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      err = n < 0 ? errno : EIO;
      break;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  if (err == 0 && fsync(fd) != 0) err = errno;
  // The temporary file is created owner-only: give it the old file's permissions (or rw-r--r--).
  std::error_code ec;
  auto old = std::filesystem::status(path, ec);
  mode_t mode = !ec && std::filesystem::exists(old) ? static_cast<mode_t>(old.permissions()) : 0644;
  if (err == 0 && fchmod(fd, mode & 07777) != 0) err = errno;
  if (close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && std::rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    unlink(temp.c_str());
    return failure("the data could not be stored", err);
  }
  return std::nullopt;
}

int RemoveLeftoverTemporaries(const std::filesystem::path& folder,
                              std::span<const std::string> names) {
  int removed = 0;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::directory_entry& entry = *it;
    const std::string file = entry.path().filename().string();
    const bool ours = std::any_of(names.begin(), names.end(), [&file](const std::string& name) {
      return IsTemporaryFor(file, name);
    });
    std::error_code kind;
    if (ours && entry.is_regular_file(kind) && !entry.is_symlink(kind) &&
        std::filesystem::remove(entry.path(), kind))
      ++removed;
  }
  return removed;
}

}  // namespace pp
