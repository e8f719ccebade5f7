// Buffered reading of text lines. A line ends at CR LF, LF or CR; the break is not part of
// the line. Bytes are kept exactly as they are (NUL included), nothing is transcoded, but a
// UTF-8 byte-order mark at the start of the file is no part of its first line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace velkora {

class LineInput {
 public:
  LineInput() = default;
  LineInput(const LineInput&) = delete;
  LineInput& operator=(const LineInput&) = delete;
  ~LineInput();

  // Opens a regular file for reading. False for a missing file, a folder, a device or pipe,
  // no access, or an empty name; the input is then closed.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  // Reads the next line into `line` (emptied first). False, with `line` empty, when the input
  // is already at its end or not open.
  bool ReadLine(std::string& line);

  // Gives `line` back to the input: the next ReadLine returns it, and AtEnd() is false until
  // it has been read again. Lets a reader that looks one line ahead leave that line unread.
  void UnreadLine(const std::string& line);

  // True when no byte is left to read (or the input is not open). A read error counts as the
  // end of the input and is remembered by Failed().
  bool AtEnd();
  bool Failed() const { return failed_; }

  // Calls `hook` after every `interval` lines read, so that a long reading loop can report
  // progress even when few lines give points. When the hook returns false the input stops:
  // it reads as ended from then on, and Stopped() tells. Close() removes the hook.
  void SetLineHook(std::function<bool()> hook, std::uint64_t interval);
  bool Stopped() const { return stopped_; }

 private:
  bool Fill();
  bool TakeLine(std::string& line);
  void Stop();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  std::string unreadLine_;
  bool hasUnreadLine_ = false;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  // Position of the first LF at or after pos_ in the buffer (len_ when it holds none, the
  // largest size_t before it is searched); kept between lines, so that a buffer of CR-only
  // breaks is not searched to its end again for every line.
  std::size_t nextLf_ = 0;
  bool eof_ = false;
  bool failed_ = false;
  bool atFileStart_ = false;  // the next fill reads the first bytes, which may be a byte-order mark
  std::function<bool()> hook_;
  std::uint64_t hookInterval_ = 0;
  std::uint64_t linesSinceHook_ = 0;
  bool stopped_ = false;
};

}  // namespace velkora
