// Says to a program's window what Windows says at log-off: WM_QUERYENDSESSION, then
// WM_ENDSESSION with the window's answer, both sent and waited for as the system does.
// Usage: end_session.exe "WINDOW TITLE"   exit status 0 when the window agreed to end,
// 1 when it refused, 2 when there is no such window or it did not answer.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: end_session \"WINDOW TITLE\"\n");
        return 2;
    }
    const std::string title = argv[1];
    const HWND window = FindWindowA(nullptr, title.c_str());
    if (!window) {
        std::fprintf(stderr, "end_session: no window titled %s\n", title.c_str());
        return 2;
    }
    DWORD_PTR agreed = 0;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                             &agreed)) {
        std::fprintf(stderr, "end_session: %s did not answer WM_QUERYENDSESSION\n", title.c_str());
        return 2;
    }
    DWORD_PTR ignored = 0;
    // The program may end while it handles the message: no answer is then no fault.
    SendMessageTimeoutA(window, WM_ENDSESSION, agreed ? TRUE : FALSE, ENDSESSION_LOGOFF,
                        SMTO_NORMAL, 10000, &ignored);
    std::printf("%s %s to end the session\n", title.c_str(), agreed ? "agreed" : "refused");
    return agreed ? 0 : 1;
}
