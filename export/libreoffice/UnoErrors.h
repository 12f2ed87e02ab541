#pragma once

#include <rtl/ustring.hxx>

#include <string>
#include <string_view>

namespace tavrosk::libreoffice {

using ::rtl::OString;
using ::rtl::OUString;

// The start of every message about an office that cannot be reached.
inline constexpr std::u16string_view kCannotStart = u"LibreOffice Calc を起動できません。";

// Conversions between UNO strings and the tool's (sal_Unicode and char16_t
// hold the same UTF-16 code units).
std::string ToUtf8(const OUString& text);
std::u16string_view View(const OUString& text);
std::u16string ToU16(const OUString& text);
std::u16string FromUtf8(std::string_view text);
OUString ToOUString(std::u16string_view text);

// Called inside a catch block for a failed step of the export (the step as a
// Japanese verb phrase, e.g. u"シートを追加"): rethrows an OperationFailed
// unchanged and turns anything else into one that says the connection was
// lost (when connectionLost), that the document has been closed (an object
// disposed on the office's side), or that the step failed.
[[noreturn]] void ThrowStepFailed(std::u16string_view step, bool connectionLost);

} // namespace tavrosk::libreoffice
