#include "aatext/win32/system_texts.h"

#include <windows.h>

#include "gui/application.h"

namespace huecast {

namespace {

constexpr const char* kWindowsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kWindowsNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

class RegistryKey {
  public:
    explicit RegistryKey(const char* path) {
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

std::string ReadMachineString(const char* keyPath, const char* valueName) {
    RegistryKey key(keyPath);
    if (!key.Get()) return {};
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0 || size > 64 * 1024) return {};
    std::string value(size, '\0');
    if (RegQueryValueExA(key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &size) != ERROR_SUCCESS)
        return {};
    // The stored string need not end in a NUL, or may hold several.
    value.resize(std::min<std::size_t>(size, value.size()));
    if (const std::size_t end = value.find('\0'); end != std::string::npos) value.resize(end);
    return value;
}

RegisteredNames ReadRegisteredNames() {
    RegisteredNames names{ReadMachineString(kWindowsKey, "RegisteredOwner"),
                          ReadMachineString(kWindowsKey, "RegisteredOrganization")};
    if (names.owner.empty()) names.owner = ReadMachineString(kWindowsNtKey, "RegisteredOwner");
    if (names.organization.empty())
        names.organization = ReadMachineString(kWindowsNtKey, "RegisteredOrganization");
    return names;
}

std::string Win32SystemTexts::RegisteredOwner() {
    if (!read_) names_ = ReadRegisteredNames(), read_ = true;
    return names_.owner;
}

std::string Win32SystemTexts::RegisteredOrganization() {
    if (!read_) names_ = ReadRegisteredNames(), read_ = true;
    return names_.organization;
}

std::string Win32SystemTexts::UserName() {
    char name[256] = {};
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size)) return {};
    return std::string(name, strnlen(name, sizeof name - 1));
}

std::string Win32SystemTexts::AppTitle() {
    if (!gui::Application::Title().empty()) return gui::Application::Title();
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name.erase(0, name.find_last_of("\\/") + 1);
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
    return name;
}

std::string Win32SystemTexts::ShortDate() {
    char text[128] = {};
    const int length =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
    return length > 0 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

std::string Win32SystemTexts::LongTime() {
    char text[128] = {};
    const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
    return length > 0 ? std::string(text, static_cast<std::size_t>(length - 1)) : std::string();
}

Win32SystemTexts& SystemTextsOfWindows() {
    static Win32SystemTexts texts;
    return texts;
}

LeadByteTable SystemLeadBytes() {
    LeadByteTable table;
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info)) return table;
    for (int i = 0; i + 1 < MAX_LEADBYTES && (info.LeadByte[i] != 0 || info.LeadByte[i + 1] != 0); i += 2)
        table.AddRange(info.LeadByte[i], info.LeadByte[i + 1]);
    return table;
}

}  // namespace huecast
