#include "app/qt/platform/Display.h"

#include <cstdlib>

#include <xcb/xcb.h>

namespace tavrosk::qt {

std::string MissingDisplay() {
    // Another platform asked for by name (offscreen, wayland) is Qt's to judge.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string(platform) != "xcb")
        return {};
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (answers)
        return {};
    const char* display = std::getenv("DISPLAY");
    const std::string which = display && *display ? "DISPLAY=" + std::string(display) + " に接続できません"
                                                  : "DISPLAY が設定されていません";
    return "tavrosk: 画面が見つかりません（" + which +
           "）。デスクトップの中の端末から起動するか、環境変数 DISPLAY で表示先を指定してください（例: export DISPLAY=:0）。";
}

} // namespace tavrosk::qt
