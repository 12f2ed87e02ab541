#include "commands/ExtensionStripping.h"

namespace tavrosk {

void RemoveAll(std::u16string& text, std::u16string_view pattern) {
    if (pattern.empty())
        return;
    // What is kept moves down over what was removed; the search goes on
    // beyond it, in text not yet moved.
    using Traits = std::u16string::traits_type;
    const std::u16string_view original(text);
    std::size_t kept = 0, from = 0;
    for (std::size_t hit = original.find(pattern); hit != std::u16string_view::npos;
         hit = original.find(pattern, from)) {
        Traits::move(text.data() + kept, text.data() + from, hit - from);
        kept += hit - from;
        from = hit + pattern.size();
    }
    if (from == 0)
        return;
    Traits::move(text.data() + kept, text.data() + from, text.size() - from);
    text.resize(kept + text.size() - from);
}

void StripExtensions(FormState& state) {
    // Each pattern works on the result of the ones before it (".MP.mp33"
    // becomes ".MP3" and then nothing), but all on one string of our own: the
    // field is read once and written once, not once per pattern.
    const std::u16string original = state.text1.text();
    std::u16string list = original;
    for (std::u16string_view extension : kFixedExtensions)
        RemoveAll(list, extension);

    std::u16string extra;
    try {
        extra = state.text2.text();
    } catch (...) {
        // The fixed extensions are already done; they stay done.
        if (list != original)
            state.text1.setText(list);
        throw;
    }
    if (!extra.empty())
        RemoveAll(list, u"." + extra);

    if (list != original)
        state.text1.setText(list);
}

} // namespace tavrosk
