#include "state/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace pp {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> WriteFileAtomic(const std::filesystem::path& path,
                                           std::string_view bytes) {
  auto failure = [&path](const std::string& what, int err) {
    return "Cannot write " + path.string() + ": " + what + " (" + std::strerror(err) + ")";
  };
  std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
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

}  // namespace pp
