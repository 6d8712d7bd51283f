#include "app/program_icons.h"

#include "gui/application.h"

namespace huecast {

namespace {

HICON LoadMainIcon(int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        LoadImageA(gui::Application::Instance(), "MAINICON", IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

ProgramIcons LoadProgramIcons() {
    return {.largeIcon = LoadMainIcon(SM_CXICON), .smallIcon = LoadMainIcon(SM_CXSMICON)};
}

}  // namespace huecast
