// Buffered reading of text lines, from a file or from a text in memory. A line ends at CR LF,
// LF or CR; the break is not part of the line. Bytes are kept exactly as they are (NUL
// included), nothing is transcoded, but a UTF-8 byte-order mark at the start of a file is no
// part of its first line. Lines are handed out where they lie in the buffer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

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
  // Reads the lines of `text`, which must outlive the reading. A line that starts at or after
  // `lookAheadFrom` belongs to what follows: it can be read once, and giving it back ends the
  // input instead.
  void OpenText(std::string_view text, std::size_t lookAheadFrom = std::string_view::npos);
  void Close();
  bool IsOpen() const { return file_ != nullptr || fromText_; }
  // Whether the lines are those of a text opened with OpenText, which hold as long as it.
  bool ReadsText() const { return fromText_; }

  // The next line, valid until the next call that reads (ReadLine, AtEnd, ReadMore). False,
  // with `line` empty, when the input is already at its end or not open.
  bool ReadLine(std::string_view& line);
  // The same into a string of the caller's.
  bool ReadLine(std::string& line);

  // Gives the last line read back: the next ReadLine returns it, and AtEnd() is false until
  // it has been read again. Lets a reader that looks one line ahead leave that line unread.
  void UnreadLine();

  // True when no byte is left to read (or the input is not open). A read error counts as the
  // end of the input and is remembered by Failed().
  bool AtEnd();
  bool Failed() const { return failed_; }

  // Calls `hook` after every `interval` lines read, counting `linesBefore` as already read,
  // so that a long reading loop can report progress even when few lines give points. When the
  // hook returns false the input stops: it reads as ended from then on, and Stopped() tells.
  // Close() removes the hook.
  void SetLineHook(std::function<bool()> hook, std::uint64_t interval,
                   std::uint64_t linesBefore = 0);
  bool Stopped() const { return stopped_; }

  // Lines read since the input was opened; a line given back and read again counts twice.
  std::uint64_t LinesRead() const { return linesRead_; }

  // Reading the rest of a file as raw text: the bytes buffered but not read as lines yet
  // (from a line given back on), valid until the next call that reads; then ReadMore gives
  // the bytes that follow them in the file, 0 at its end or on a read error (Failed()).
  // ResumeWith makes `bytes` the next to be read as lines, before the rest of the file.
  std::string_view Unread() const;
  std::size_t ReadMore(char* into, std::size_t size);
  void ResumeWith(std::string_view bytes);

 private:
  bool Fill();
  bool TakeLine(std::string_view& line);
  void Stop();

  std::FILE* file_ = nullptr;
  bool fromText_ = false;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  const char* data_ = nullptr;  // the buffer, or the text read
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  // Where the last line read starts and where the next one starts after it: a line given
  // back is read again from there, so a refill keeps it in the buffer.
  std::size_t lastStart_ = 0;
  std::size_t lastLength_ = 0;
  bool lineGivenBack_ = false;
  // In a text whose last line looks ahead: where that line starts.
  std::size_t lookAheadStart_ = 0;
  bool eof_ = false;
  bool failed_ = false;
  bool atFileStart_ = false;  // the next fill reads the first bytes, which may be a byte-order mark
  std::function<bool()> hook_;
  std::uint64_t hookInterval_ = 0;
  std::uint64_t linesSinceHook_ = 0;
  std::uint64_t linesRead_ = 0;
  bool stopped_ = false;
};

}  // namespace velkora
