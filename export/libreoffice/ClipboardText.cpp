#include "export/libreoffice/ClipboardText.h"

#include "export/libreoffice/UnoErrors.h"
#include "model/OperationFailed.h"

#include <com/sun/star/datatransfer/UnsupportedFlavorException.hpp>
#include <com/sun/star/datatransfer/XTransferable.hpp>
#include <com/sun/star/datatransfer/clipboard/SystemClipboard.hpp>

#include <chrono>
#include <thread>

namespace tavrosk::libreoffice {

namespace {

constexpr int kAttempts = 5;

[[noreturn]] void throwUnreadable(const std::string& cause) {
    throw OperationFailed(u"クリップボードの内容を文字列として読み取れないため、"
                          u"LibreOffice Calc に貼り付けできませんでした。",
                          "clipboard: " + cause);
}

} // namespace

OUString ReadClipboardText(const css::uno::Reference<css::uno::XComponentContext>& office) {
    const auto clipboard = css::datatransfer::clipboard::SystemClipboard::create(office);
    const css::datatransfer::DataFlavor flavor("text/plain;charset=utf-16", "Unicode-Text",
                                               cppu::UnoType<OUString>::get());
    OUString text;
    // The first read after the office has been idle for a while can come
    // back as a lone replacement character, or as one followed by stray
    // bytes with NULs among them; a fresh read then gets the text. A list
    // holds replacement characters of its own where no decoding fits a name,
    // but never a NUL (a name cannot hold one, and control characters are
    // shown as their pictures), so such a list is read once.
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto contents = clipboard->getContents();
        if (!contents.is())
            throwUnreadable("empty");
        try {
            if (!(contents->getTransferData(flavor) >>= text))
                throwUnreadable("plain text is not a string");
        } catch (const css::datatransfer::UnsupportedFlavorException& e) {
            throwUnreadable(ToUtf8(e.Message));
        }
        const bool stray = text.getLength() == 1 ? text[0] == 0xFFFD : text.indexOf(u'\0') >= 0;
        if (!stray)
            break;
    }
    return text;
}

} // namespace tavrosk::libreoffice
