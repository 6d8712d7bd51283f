// The system's texts for user labels on Windows: the registered owner and organisation from the registry
// (read-only), the logged-on user's name, the application's title, and the date and time in the user's
// formats. Also the active code page's lead bytes for word wrapping.
#pragma once

#include <string>

#include "aatext/aa_labels.h"
#include "aatext/word_wrap.h"

namespace huecast {

struct RegisteredNames {
    std::string owner;
    std::string organization;
};

// "RegisteredOwner" and "RegisteredOrganization" of the machine's key
// SOFTWARE\Microsoft\Windows\CurrentVersion; a value missing there is taken from SOFTWARE\Microsoft\Windows
// NT\CurrentVersion, where the NT family keeps it. Values that cannot be read are empty.
RegisteredNames ReadRegisteredNames();

// A string value of a key under HKEY_LOCAL_MACHINE, or empty when the key or value is missing, not a
// string, or unreadable.
std::string ReadMachineString(const char* keyPath, const char* valueName);

class Win32SystemTexts final : public SystemTexts {
  public:
    std::string RegisteredOwner() override;
    std::string RegisteredOrganization() override;
    std::string UserName() override;  // at most 255 bytes
    // The application's title (gui::Application), or the executable's name without its extension.
    std::string AppTitle() override;
    std::string ShortDate() override;
    std::string LongTime() override;

  private:
    bool read_ = false;
    RegisteredNames names_;
};

// The process's instance (user-interface thread only).
Win32SystemTexts& SystemTextsOfWindows();

// The lead bytes of the system's ANSI code page.
LeadByteTable SystemLeadBytes();

}  // namespace huecast
