#pragma once

#include "export/excel/BusyRetry.h"
#include "export/excel/ComRef.h"

#include <oaidl.h>

#include <string>
#include <string_view>

namespace tavrosk::excel {

// Calls into an automation object by member name alone (GetIDsOfNames, then
// Invoke), with no type library. Each call takes the Japanese sentence that
// tells the user which step failed; on failure it throws OperationFailed with
// that sentence (and, when the application has gone, a sentence that says so)
// and, as the technical cause, the member, the HRESULT and its name, and the
// description of the exception the object raised, if any. A busy answer is
// retried as the caller's BusyRetry says.

// The application called: its name in the messages, and what a busy answer does.
struct Caller {
    std::u16string name;
    BusyRetry busy;
};

// "member" get, with an optional text argument, e.g. "Columns"("A:A"). The
// result must be an object.
ComRef<IDispatch> GetObject(const Caller& caller, IDispatch* target, const wchar_t* member,
                            std::u16string_view step);
ComRef<IDispatch> GetObject(const Caller& caller, IDispatch* target, const wchar_t* member,
                            std::u16string_view argument, std::u16string_view step);

// "member" put of a text (BSTR) or a truth value (VARIANT_BOOL).
void PutText(const Caller& caller, IDispatch* target, const wchar_t* member, std::u16string_view value,
             std::u16string_view step);
void PutBool(const Caller& caller, IDispatch* target, const wchar_t* member, bool value,
             std::u16string_view step);

// "member" called as a method with no arguments; callForObject's result must
// be an object, callMethod's result is released unread.
ComRef<IDispatch> CallForObject(const Caller& caller, IDispatch* target, const wchar_t* member,
                                std::u16string_view step);
void CallMethod(const Caller& caller, IDispatch* target, const wchar_t* member, std::u16string_view step);

// "0x800401F3 (CO_E_CLASSSTRING)"; the name only for the codes the export
// tells apart.
std::string HresultText(HRESULT result);

} // namespace tavrosk::excel
