// Files of the system's profile format, read and written whole (the text itself is ProfileText).
//
// A file is replaced in one step: the new text goes to a file beside it, which then takes the old one's
// place, so the file on disk always holds either the old text or the new one.
#pragma once

#include "base/profile_text.h"

#include <stdexcept>
#include <string>

namespace huecast::gui {

// A file that could not be read or replaced; what() is the reason in the system's words, Code() the
// system's error code (ERROR_FILE_READ_ONLY for a read-only file).
class ProfileFileError : public std::runtime_error {
  public:
    ProfileFileError(const std::string& reason, unsigned long code)
        : std::runtime_error(reason), code_(code) {}
    unsigned long Code() const { return code_; }

  private:
    unsigned long code_;
};

// The file's text; an empty text when the file does not exist. Throws ProfileFileError.
ProfileText ReadProfileFile(const std::string& path);
// Replaces the file's content with `text` in one step (see above). A read-only file is left alone and
// reported. Throws ProfileFileError.
void ReplaceProfileFile(const std::string& path, const std::string& text);

}  // namespace huecast::gui
