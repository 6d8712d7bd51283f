// Sections: 1. Winsock stream and SMTP  2. Simple MAPI  3. mailto: handler  4. SendReport
#include "crash/win32/report_delivery.h"

#include <windows.h>
#include <winsock2.h>

#include <mapi.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "crash/mail.h"
#include "crash/smtp_client.h"
#include "crash/win32/crash_internal.h"
#include "crash/win32/crash_trace.h"

namespace huecast::crash {

namespace {

std::string SystemErrorText(DWORD error) {
    char text[512] = {};
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                   0, text, sizeof text, nullptr);
    std::string s(text, n);
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ' || s.back() == '.'))
        s.pop_back();
    if (s.empty()) s = "error " + std::to_string(error);
    return s;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// ---------------------------------------------------------------------------------------------------------
// 1. Winsock stream and SMTP

class WinsockLibrary {
  public:
    WinsockLibrary() {
        WSADATA data;
        if (const int error = WSAStartup(MAKEWORD(1, 1), &data))
            throw ECrashSocketError("Error into WSAStartup: \"" + SystemErrorText(error) + "\"");
    }
    ~WinsockLibrary() {
        if (WSACleanup() != 0)
            ReportInternalError("SMTP",
                                "Error into WSACleanup: \"" + SystemErrorText(WSAGetLastError()) + "\"");
    }
    WinsockLibrary(const WinsockLibrary&) = delete;
    WinsockLibrary& operator=(const WinsockLibrary&) = delete;
};

timeval Timeval(int milliseconds) {
    return {milliseconds / 1000, (milliseconds % 1000) * 1000};
}

// The host's first address. The system's lookup has no time-out of its own, so it runs on a thread of its
// own that the caller waits for no longer than `timeoutMs`; a late answer is dropped with that thread. A
// failed lookup gives 0.0.0.0 and a lookup that takes too long nothing.
std::optional<in_addr> LookUpHost(const std::string& host, int timeoutMs) {
    in_addr address{};
    if ((address.s_addr = inet_addr(host.c_str())) != INADDR_NONE) return address;  // dotted: no lookup
    struct Lookup {
        std::string host;
        std::mutex lock;
        std::condition_variable done;
        bool finished = false;
        in_addr address{};
    };
    auto lookup = std::make_shared<Lookup>();
    lookup->host = host;
    std::thread([lookup] {
        in_addr found{};
        if (const hostent* entry = gethostbyname(lookup->host.c_str());
            entry && entry->h_addrtype == AF_INET && entry->h_addr_list[0])
            std::memcpy(&found, entry->h_addr_list[0], 4);
        const std::lock_guard hold(lookup->lock);
        lookup->address = found;
        lookup->finished = true;
        lookup->done.notify_all();
    }).detach();
    std::unique_lock hold(lookup->lock);
    if (!lookup->done.wait_for(hold, std::chrono::milliseconds(timeoutMs), [&] { return lookup->finished; }))
        return std::nullopt;
    return lookup->address;
}

class WinsockStream : public ByteStream {
  public:
    ~WinsockStream() override { Close(); }

    // The socket stays non-blocking: connect and send wait through select, so neither a server that
    // never accepts nor one that stops reading holds the reporter longer than the time-out.
    std::array<std::uint8_t, 4> Connect(std::string_view host, int port, int timeoutMs) override {
        socket_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (socket_ == INVALID_SOCKET) throw ECrashSocketError("Invalid socket.");
        auto fail = [&](int error) {
            Close();
            throw ECrashSocketError("Connection error: \"" + SystemErrorText(error) + "\"");
        };
        // The lookup and the connection share the time-out.
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<u_short>(port));
        // A failed lookup leaves 0.0.0.0, and the connection fails with the system's reason.
        const std::optional<in_addr> found = LookUpHost(std::string(host), timeoutMs);
        if (!found) fail(WSAETIMEDOUT);
        address.sin_addr = *found;
        u_long nonBlocking = 1;
        ioctlsocket(socket_, FIONBIO, &nonBlocking);
        if (::connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == SOCKET_ERROR) {
            if (const int error = WSAGetLastError(); error != WSAEWOULDBLOCK) fail(error);
            fd_set writable, failed;
            FD_ZERO(&writable);
            FD_SET(socket_, &writable);
            FD_ZERO(&failed);
            FD_SET(socket_, &failed);
            const ULONGLONG now = GetTickCount64();
            timeval wait = Timeval(now < deadline ? static_cast<int>(deadline - now) : 0);
            const int ready = ::select(0, nullptr, &writable, &failed, &wait);
            if (ready == SOCKET_ERROR) fail(WSAGetLastError());
            if (ready == 0) fail(WSAETIMEDOUT);
            int error = 0, size = sizeof error;
            getsockopt(socket_, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
            if (error != 0 || FD_ISSET(socket_, &failed)) fail(error != 0 ? error : WSAECONNREFUSED);
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&address.sin_addr);
        return {bytes[0], bytes[1], bytes[2], bytes[3]};
    }

    std::size_t Send(std::string_view bytes, int timeoutMs) override {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            // The time-out bounds each wait for the peer to take more, not the whole message, which on a
            // slow line may rightly take longer.
            fd_set writable;
            FD_ZERO(&writable);
            FD_SET(socket_, &writable);
            timeval wait = Timeval(timeoutMs);
            const int ready = ::select(0, nullptr, &writable, nullptr, &wait);
            if (ready == SOCKET_ERROR)
                throw ECrashSocketError("Error into \"send\": \"" + SystemErrorText(WSAGetLastError()) +
                                        "\"");
            if (ready == 0)
                throw ECrashSocketError("Error into \"send\": \"" + SystemErrorText(WSAETIMEDOUT) + "\"");
            const int n = ::send(socket_, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
            if (n == SOCKET_ERROR) {
                const int error = WSAGetLastError();
                if (error == WSAEWOULDBLOCK) continue;
                throw ECrashSocketError("Error into \"send\": \"" + SystemErrorText(error) + "\"");
            }
            sent += static_cast<std::size_t>(n);
        }
        return sent;
    }

    std::size_t Receive(std::span<char> buffer, int timeoutMs) override {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket_, &readable);
        timeval wait = Timeval(timeoutMs);
        const int ready = ::select(0, &readable, nullptr, nullptr, &wait);
        if (ready == SOCKET_ERROR)
            throw ECrashSocketError("Error into \"recv\": \"" + SystemErrorText(WSAGetLastError()) + "\"");
        if (ready == 0) return 0;
        const int n = ::recv(socket_, buffer.data(), static_cast<int>(buffer.size()), 0);
        if (n == 0) throw ECrashSocketError("Error into \"recv\": \"The server closed the connection\"");
        if (n == SOCKET_ERROR) {
            const int error = WSAGetLastError();
            if (error == WSAEWOULDBLOCK) return 0;
            throw ECrashSocketError("Error into \"recv\": \"" + SystemErrorText(error) + "\"");
        }
        return static_cast<std::size_t>(n);
    }

    void Close() override {
        if (socket_ == INVALID_SOCKET) return;
        if (::closesocket(socket_) == SOCKET_ERROR)
            ReportInternalError("SMTP",
                                "Cannot close the socket: \"" + SystemErrorText(WSAGetLastError()) + "\"");
        socket_ = INVALID_SOCKET;
    }

  private:
    SOCKET socket_ = INVALID_SOCKET;
};

class SystemClock : public Clock {
  public:
    std::uint64_t NowMs() override { return GetTickCount64(); }
};

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// ---------------------------------------------------------------------------------------------------------
// 2. Simple MAPI

struct MapiLibrary {
    HMODULE module = nullptr;
    ~MapiLibrary() {
        if (module) FreeLibrary(module);
    }
};

std::string RegistryDefault(HKEY root, const std::string& key, const char* value = nullptr) {
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return {};
    char data[2048] = {};
    DWORD size = sizeof data - 1, type = 0;
    const bool ok = RegQueryValueExA(handle, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
                        ERROR_SUCCESS &&
                    (type == REG_SZ || type == REG_EXPAND_SZ);
    RegCloseKey(handle);
    return ok ? std::string(data, strnlen(data, size)) : std::string();
}

std::string Expanded(const std::string& text) {
    char buffer[2048] = {};
    const DWORD n = ExpandEnvironmentStringsA(text.c_str(), buffer, sizeof buffer);
    return n > 0 && n <= sizeof buffer ? std::string(buffer) : text;
}

template <typename F>
F Entry(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> text;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart < (64 << 20)) {
        std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr)) {
            data.resize(read);
            text = std::move(data);
        }
    }
    CloseHandle(file);
    return text;
}

bool SendBySmtp(const SmtpSettings& server, const std::string& attachmentPath, const std::string& body,
                const std::string& subject, const std::string& recipients) {
    try {
        WinsockLibrary library;
        WinsockStream stream;
        SystemClock clock;
        TCrashClientSMTP client(stream, clock, server.timeoutMs);

        SmtpMail mail;
        mail.user = server.user;
        mail.password = server.password;
        char hostName[250] = {};
        if (gethostname(hostName, sizeof hostName) == 0) mail.localHostName = hostName;
        // An empty entry ("a;;b") would be "RCPT TO:<>", which every server refuses, losing the mail.
        for (std::string& to : SplitRecipients(recipients))
            if (!to.empty()) mail.recipients.push_back(std::move(to));
        mail.subject = OneLine(subject);  // a line break would start headers of its own
        std::optional<MailAttachment> attachment;
        if (!attachmentPath.empty()) {
            if (auto text = ReadWholeFile(attachmentPath))
                attachment = MailAttachment{FileNameOf(attachmentPath), std::move(*text)};
        }
        // The report's texts are in the system's code page.
        mail.content = BuildMimeContent(body, attachment, MimeCharsetOfCodePage(GetACP()));
        client.Send(server.host, server.port, mail);
        return true;
    } catch (const ECrashSocketError& e) {
        ReportWarning(TCrashLogErrorCode::eeEmailSMTPError, std::string("[SMTP] ") + e.what());
    } catch (const std::exception& e) {
        ReportWarning(TCrashLogErrorCode::eeEmailSMTPError, std::string("[SMTP] ") + e.what());
    }
    return false;
}

bool SendByMapi(const std::string& recipients, const std::string& subject, const std::string& body,
                const std::string& attachmentPath) {
    auto warn = [](const char* text) {
        ReportWarning(TCrashLogErrorCode::eeEmailMAPIError, text);
        return false;
    };
    MapiLibrary library;
    const std::string client = RegistryDefault(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail");
    if (!client.empty()) {
        const std::string path =
            RegistryDefault(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail\\" + client, "DLLPath");
        if (!path.empty()) library.module = LoadLibraryA(Expanded(path).c_str());
    }
    if (!library.module) library.module = LoadLibraryA("mapi32.dll");
    if (!library.module) return warn("Cannot open the MAPI dll.");

    auto logon = Entry<LPMAPILOGON>(library.module, "MAPILogon");
    auto logoff = Entry<LPMAPILOGOFF>(library.module, "MAPILogoff");
    auto send = Entry<LPMAPISENDMAIL>(library.module, "MAPISendMail");
    auto resolve = Entry<LPMAPIRESOLVENAME>(library.module, "MAPIResolveName");
    auto freeBuffer = Entry<LPMAPIFREEBUFFER>(library.module, "MAPIFreeBuffer");
    if (!logon || !logoff || !send || !resolve || !freeBuffer)
        return warn("Cannot found the MAPI functions.");

    LHANDLE session = 0;
    if (logon(0, nullptr, nullptr, MAPI_LOGON_UI, 0, &session) != SUCCESS_SUCCESS)
        return warn("Cannot LogOn into the MAPI service.");

    std::string path = attachmentPath, fileName = FileNameOf(attachmentPath);
    MapiFileDesc file{};
    file.nPosition = static_cast<ULONG>(-1);
    file.lpszPathName = path.data();
    file.lpszFileName = fileName.data();

    struct Resolved {
        char name[257] = {};
        char address[257] = {};
    };
    std::vector<std::string> names;
    for (std::string& to : SplitRecipients(recipients))
        if (!to.empty()) names.push_back(std::move(to));
    std::vector<Resolved> resolvedText(names.size());
    std::vector<MapiRecipDesc> to(names.size());
    std::vector<lpMapiRecipDesc> buffers;
    bool allResolved = true;
    for (std::size_t i = 0; i < names.size(); ++i) {
        lpMapiRecipDesc found = nullptr;
        if (resolve(session, 0, names[i].data(), 0, 0, &found) != SUCCESS_SUCCESS || !found) {
            allResolved = false;
            break;
        }
        buffers.push_back(found);
        std::snprintf(resolvedText[i].name, sizeof resolvedText[i].name, "%s",
                      found->lpszName ? found->lpszName : "");
        std::snprintf(resolvedText[i].address, sizeof resolvedText[i].address, "%s",
                      found->lpszAddress && *found->lpszAddress ? found->lpszAddress : resolvedText[i].name);
        to[i].ulRecipClass = MAPI_TO;
        to[i].lpszName = resolvedText[i].name;
        to[i].lpszAddress = resolvedText[i].address;
        to[i].ulEIDSize = found->ulEIDSize;
        to[i].lpEntryID = found->lpEntryID;
    }

    bool ok = allResolved;
    if (allResolved) {
        std::string subjectText = subject, bodyText = body;
        MapiMessage message{};
        message.lpszSubject = subjectText.data();
        message.lpszNoteText = bodyText.data();
        message.nRecipCount = static_cast<ULONG>(to.size());
        message.lpRecips = to.data();
        message.nFileCount = attachmentPath.empty() ? 0 : 1;
        message.lpFiles = attachmentPath.empty() ? nullptr : &file;
        ok = send(0, 0, &message, MAPI_LOGON_UI, 0) == SUCCESS_SUCCESS;
        if (!ok) warn("Cannot send the MAPI message.");
    }
    for (lpMapiRecipDesc buffer : buffers)
        freeBuffer(buffer);
    logoff(session, 0, 0, 0);
    return ok;
}

// ---------------------------------------------------------------------------------------------------------
// 3. mailto: handler

namespace {

struct FindProcessWindow {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM parameter) {
    auto& find = *reinterpret_cast<FindProcessWindow*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == find.processId && IsWindowVisible(window)) {
        find.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// The handler's command with each "%1" replaced by the URL as one quoted argument. The URL is
// percent-encoded, so it holds no quote, blank or other character that could end the argument.
std::string MailtoCommand(const std::string& handlerCommand, const std::string& url) {
    std::string command;
    for (std::size_t i = 0; i < handlerCommand.size(); ++i) {
        if (handlerCommand[i] == '%' && i + 1 < handlerCommand.size() && handlerCommand[i + 1] == '1') {
            const bool quoted = i > 0 && handlerCommand[i - 1] == '"';
            command += quoted ? url : "\"" + url + "\"";
            ++i;
        } else {
            command += handlerCommand[i];
        }
    }
    return command;
}

bool SendByMailto(const std::string& recipients, const std::string& subject, const std::string& messageText,
                  const std::optional<std::string>& log) {
    const std::string handler = Expanded(RegistryDefault(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command"));
    std::string command =
        MailtoCommand(handler, MailtoUrl(recipients, subject, BuildMailBody(messageText, log)));
    // A command line holds at most 32767 characters, and a log of a few reports, percent-encoded, holds
    // more: the log's newest part goes, cut at a line, as much of it as fits.
    constexpr std::size_t kLongestCommand = 32000;
    for (std::size_t keep = log ? log->size() : 0; command.size() > kLongestCommand && keep > 0;) {
        keep = keep * 3 / 4;
        std::size_t from = log->size() - keep;
        if (const std::size_t line = log->find('\n', from); line != std::string::npos) from = line + 1;
        const std::string tail = "[...]\r\n" + log->substr(from);
        command = MailtoCommand(handler, MailtoUrl(recipients, subject, BuildMailBody(messageText, tail)));
    }
    if (command.size() > kLongestCommand)
        command =
            MailtoCommand(handler, MailtoUrl(recipients, subject, BuildMailBody(messageText, std::nullopt)));

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (handler.empty() || !CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE,
                                           NORMAL_PRIORITY_CLASS | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr,
                                           &startup, &process)) {
        ReportWarning(TCrashLogErrorCode::eeEmailShellError, handler.empty()
                                                                 ? "No mailto: handler is registered."
                                                                 : SystemErrorText(GetLastError()));
        return false;
    }
    WaitForInputIdle(process.hProcess, 10000);
    Sleep(2000);
    FindProcessWindow find{process.dwProcessId, nullptr};
    EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&find));
    if (find.found) {
        SetWindowPos(find.found, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ShowWindow(find.found, SW_MAXIMIZE);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// 4. SendReport

void SendReport(const TCrashModuleOptions& options, const std::string& logPath) {
    constexpr UINT kAsk = MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL | MB_TOPMOST | MB_SERVICE_NOTIFICATION;
    constexpr UINT kInform = MB_OK | MB_ICONINFORMATION | MB_TASKMODAL | MB_TOPMOST | MB_SERVICE_NOTIFICATION;
    if (options.confirmMode == 0 && MessageBoxA(nullptr, options.Text(txAskToSend).c_str(),
                                                options.Text(txQuestion).c_str(), kAsk) != IDYES)
        return;
    if (options.confirmMode == 1)
        MessageBoxA(nullptr, options.Text(txWillSend).c_str(), options.Text(txInformation).c_str(), kInform);

    const bool withLog = options.sendLog && FileExists(logPath);
    std::optional<std::string> log;
    if (withLog) log = ReadWholeFile(logPath);
    const std::string body = BuildMailBody(
        options.messageText, options.logInBody && log ? std::optional<std::string_view>(*log) : std::nullopt);
    const std::string attachment = withLog && !options.logInBody ? logPath : std::string();

    if (!options.smtpHost.empty()) {
        SendBySmtp({options.smtpHost, options.smtpPort, options.smtpTimeoutMs, options.smtpUser,
                    options.smtpPassword},
                   attachment, body, options.subject, options.recipients);
    } else if (!SendByMapi(options.recipients, options.subject, body, attachment)) {
        SendByMailto(options.recipients, options.subject, options.messageText, log);
    }
}

}  // namespace huecast::crash
