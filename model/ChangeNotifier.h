#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace tavrosk {

// The change notification of a control: whoever binds the control subscribes
// a handler; the control raises it after its value has changed.
class ChangeNotifier {
public:
    using Handler = std::function<void()>;

    void subscribe(Handler handler) { handlers_.push_back(std::move(handler)); }

    void raise() const {
        for (const Handler& handler : handlers_)
            handler();
    }

private:
    std::vector<Handler> handlers_;
};

} // namespace tavrosk
