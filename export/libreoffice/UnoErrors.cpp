#include "export/libreoffice/UnoErrors.h"

#include "model/OperationFailed.h"

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>

#include <exception>

namespace tavrosk::libreoffice {

std::string ToUtf8(const OUString& text) {
    const OString utf8 = OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(utf8.getStr(), static_cast<std::size_t>(utf8.getLength()));
}

std::u16string_view View(const OUString& text) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.getStr()),
                               static_cast<std::size_t>(text.getLength()));
}

std::u16string ToU16(const OUString& text) { return std::u16string(View(text)); }

std::u16string FromUtf8(std::string_view text) {
    return ToU16(OStringToOUString(
        OString(text.data(), static_cast<sal_Int32>(text.size())), RTL_TEXTENCODING_UTF8));
}

OUString ToOUString(std::u16string_view text) {
    return OUString(reinterpret_cast<const sal_Unicode*>(text.data()), static_cast<sal_Int32>(text.size()));
}

void ThrowStepFailed(std::u16string_view step, bool connectionLost) {
    std::string cause;
    try {
        throw;
    } catch (const OperationFailed&) {
        throw;
    } catch (const css::lang::DisposedException& e) {
        if (!connectionLost) {
            throw OperationFailed(u"LibreOffice Calc で" + std::u16string(step) +
                                      u"できませんでした。ドキュメントが閉じられています。",
                                  "DisposedException: " + ToUtf8(e.Message));
        }
        cause = "DisposedException: " + ToUtf8(e.Message);
    } catch (const css::uno::Exception& e) {
        cause = "UNO exception: " + ToUtf8(e.Message);
    } catch (const std::exception& e) {
        cause = e.what();
    } catch (...) {
        cause = "unknown exception";
    }
    if (connectionLost) {
        throw OperationFailed(u"LibreOffice Calc との接続が切れたため、" + std::u16string(step) +
                                  u"できませんでした。LibreOffice が終了したか、応答しなくなりました。",
                              "connection to the office lost: " + cause);
    }
    throw OperationFailed(u"LibreOffice Calc で" + std::u16string(step) + u"できませんでした。",
                          cause);
}

} // namespace tavrosk::libreoffice
